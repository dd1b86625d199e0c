#pragma once

// The Hint command: the ladder's next step on the game as it stands, with
// Kelvaro's own candidates: the digits placed and every candidate struck out
// by the hints of this game. The first Hint marks the step's cells and shows
// its reason beside the grid; a second Hint on the same step makes it, a
// digit going in as the player's would. The mark and the reason stay until
// the grid next changes.

void hintCommand();

// Takes the mark and the reason away if the game's digits or struck
// candidates are no longer those they were shown for. The main loop calls it
// after every event.
void dropHintIfGridChanged();

// Forgets the hint, as at start-up.
void forgetHint();
