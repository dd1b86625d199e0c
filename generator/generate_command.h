#pragma once

// The Generate button: asks for a difficulty, clears the grid with `clear`
// (the Clear command), builds a puzzle of that difficulty while the progress
// window shows how far it has got, and shows the puzzle in the cell fields.
// Returns at once, leaving the grid alone, when either window cannot open.
void generateCommand(void (*clear)());
