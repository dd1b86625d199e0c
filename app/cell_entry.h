#pragma once

// What the player does to one cell through its field (17 to 97). Each is a
// command on the game; a given takes neither digits nor notes.

// A digit typed into the cell, 0 for a deletion. The digit replaces
// whatever the cell held, and the player's choices apply: in notes mode a
// digit 1 to 9 toggles that note instead, and a placed digit leaves the
// notes of its peers unless the player turned that off. Deleting from an
// empty cell takes its notes away.
void cellEdited(int fieldId, int digit);

// A note of the cell turned on or off, in notes mode or not.
void noteToggled(int fieldId, int digit);
