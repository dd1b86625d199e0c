#pragma once

#include "board.h"

// Empties clues until every column has at least `minimum` empty cells: in each
// column, from the left, the clue whose row holds the most clues goes first,
// the topmost on a tie.
void emptyColumnsToMinimum(Board& board, int minimum);

// The same for the rows, from the top: the clue whose column holds the most
// clues goes first, the leftmost on a tie.
void emptyRowsToMinimum(Board& board, int minimum);
