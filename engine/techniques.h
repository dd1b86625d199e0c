#pragma once

#include "board.h"

// The logical techniques. Each works on the grid in place, sets the progress
// flag when it places a digit or removes a candidate, never clears it, and
// returns the flag's value at its end. The Board overloads do the same on a
// board and its own flag; the grid-level ones load the grid into a board, run
// and store the board back.

// Refreshes all 81 cells, then places every digit that has exactly one cell
// in its box by those candidates, leaving the filled cell's candidates as
// they were.
int placeBoxSinglesRefreshed();
int placeBoxSinglesRefreshed(Board& board);

// Removes the two digits of a naked pair from the other cells of its column
// or row: a column sweep, a row sweep and a second column sweep.
int eliminateNakedPairs();
int eliminateNakedPairs(Board& board);

// Fills every empty cell whose refreshed candidates hold one digit, and
// empties the candidates of every filled cell.
int placeNakedSingles();
int placeNakedSingles(Board& board);

// Places every digit missing from a box that only one cell of the box can take.
int placeBoxHiddenSingles();
int placeBoxHiddenSingles(Board& board);

// Places every digit missing from a column, then from a row, that only one
// cell of the line can take.
int placeLineHiddenSingles();
int placeLineHiddenSingles(Board& board);

// A technique loop: passes of the given techniques, each pass cleared first
// and ended at the first technique that reports progress, until a pass makes
// none.
using Technique = int (*)(Board&);
template <std::size_t N>
void runTechniqueLoop(Board& board, const Technique (&techniques)[N])
{
    do {
        board.progress = 0;
        for (Technique technique : techniques) {
            if (technique(board) != 0) {
                break;
            }
        }
    } while (board.progress != 0);
}
