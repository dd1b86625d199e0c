#pragma once

// Copy puzzle: puts the grid's digits on the clipboard as one line of 81
// characters, '.' for an empty cell, whatever is selected in a field.
void copyPuzzleCommand();

// Copy with notes: puts the grid on the clipboard as a pencil-mark grid
// (pencil_mark_grid.h), each cell its digit or its notes.
void copyWithNotesCommand();

// Paste puzzle: a new game on the puzzle on the clipboard, its digits
// givens, or on a pencil-mark grid with its notes; or, when the clipboard
// holds one digit and a cell field has the focus, the digit goes into that
// cell as if typed. Any other text is refused with a message that says what
// is wrong, the game left as it was.
void pastePuzzleCommand();
