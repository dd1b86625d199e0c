#pragma once

// The commands on the notes that act on the whole grid, and the player's
// two choices about notes.

// Every empty cell gets the digits not yet placed in its row, column and
// box as its notes.
void fillInNotesCommand();

// Takes every note away.
void clearNotesCommand();

// Turns notes mode on or off: while it is on, a plain digit typed into a
// cell toggles that note.
void notesModeCommand();
bool notesModeIsOn();

// Turns on or off whether a placed digit leaves the notes of its peers.
void strikePeerNotesCommand();
bool strikePeerNotesIsOn();
