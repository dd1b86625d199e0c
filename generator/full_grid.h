#pragma once

#include "board.h"
#include "random_int.h"

// The top-left, centre and bottom-right boxes filled with independent random
// arrangements of 1 to 9, each digit drawn from its box's pool, in the
// whole-grid walk order; the other 54 cells empty.
Board drawDiagonalBoxes(const RandomSource& randomInt);

// Completes a board from its diagonal boxes: fresh candidates, the
// completion loop, then the trial search from the top-left cell.
void completeGrid(Board& board);
