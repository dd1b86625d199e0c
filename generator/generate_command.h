#pragma once

#include "grid.h"

// The Generate button: asks for a difficulty, clears the grid with `clear`
// (the Clear command), builds a puzzle of that difficulty while the progress
// window shows how far it has got, and shows the puzzle, every cell's value
// through `show`. Returns at once, leaving the grid alone, when either
// window cannot open.
void generateCommand(void (*clear)(), const WriteField& show);
