#pragma once

// Copy puzzle: puts the grid on the clipboard as one line of 81 characters,
// '.' for an empty cell, whatever is selected in a field.
void copyPuzzleCommand();

// Paste puzzle: the grid takes the puzzle on the clipboard as if it had been
// typed, or, when the clipboard holds one digit and a cell field has the
// focus, the digit goes into that field as the user's own paste would. Any
// other text is refused with a message that says what is wrong, the grid
// left as it was.
void pastePuzzleCommand();
