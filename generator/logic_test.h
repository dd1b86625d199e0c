#pragma once

#include "board.h"

// Whether the logical techniques alone, at the difficulty's level, fill every
// empty cell. The digits they find are written into the board; the caller
// restores it.
bool passesLogicTest(Board& board, int difficulty);
