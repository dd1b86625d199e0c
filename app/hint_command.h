#pragma once

// The Hint command: the ladder's next step on the game as it stands, with
// Kelvaro's own candidates: the digits placed and every candidate struck out
// by the hints of this game. The first Hint marks the step on the grid (a
// frame round the cells it places in or rests on, its candidates at the
// notes' places: what it places, what proves it, what it strikes, and a
// chain's links from candidate to candidate), names it in the corner below
// the buttons and gives its reason in full in a balloon beside the window; a
// second Hint on the same step makes it, a digit going in as the player's
// would and the candidates it strikes leaving the notes. The marks and the
// reason stay until the grid next changes.

void hintCommand();

// Takes the marks and the reason away if the game's digits or struck
// candidates are no longer those they were shown for. The main loop calls it
// after every event.
void dropHintIfGridChanged();

// Forgets the hint, as at start-up.
void forgetHint();
