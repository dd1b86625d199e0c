#pragma once

// The Hint command: the ladder's next step on the grid as it stands, with the
// candidates earlier hints struck. The first Hint marks the step's cells and
// shows its reason beside the grid; a second Hint on the same step makes it,
// a digit going in through the entry checking as if typed. The mark and the
// reason stay until the grid next changes.

void hintCommand();

// Takes the mark and the reason away if the grid no longer holds the values
// they were shown for. The main loop calls it after every event.
void dropHintIfGridChanged();

// Forgets the hint and the steps made by hints, as at start-up.
void forgetHint();
