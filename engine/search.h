#pragma once

#include "band_search.h"
#include "board.h"

#include <string>

// The trial search: fills the empty cells from (column, row) on, in reading
// order, each with the first digit of its candidate text that clashes with no
// peer's value and leads to a complete filling. Returns 1 with every cell
// filled; 0 with every value as it was. Candidates, clash flags and the
// progress flag are not changed. Cells before the start position stay as
// they are.
int trySolve(int column, int row);
int trySolve(Board& board, int column, int row);

// The values of the peers of cell (column, row): its row, its column, then
// its box, each without the cell itself; repeats kept, empty values skipped.
std::string peerValues(int column, int row);

// How many complete, clash-free grids agree with every value of the grid,
// counted up to limit (the count stops there). Candidates play no part.
int countSolutions(int limit);
int countSolutions(const Board& board, int limit);
// The same, and a solution other than `known` where there is one among the
// grids counted: a count of 2 or more always gives one.
int countSolutions(const Board& board, int limit, const Filling& known, Filling& other);
