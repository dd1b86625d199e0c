#pragma once

#include "board.h"
#include "random_int.h"

#include <vector>

// Puzzles with one solution from which no given can be taken away. A turn of
// the grid by 180 degrees takes cell c to cell 80 - c in the engine's
// numbering; a symmetric puzzle has a given at c exactly where it has one at
// 80 - c.

constexpr int turnedCell(int cell) { return 80 - cell; }

bool hasOneSolution(const Board& puzzle);

// The cells that hold a given, each pair of turned partners once (by its
// first cell) where `symmetric`.
std::vector<int> givenCells(const Board& puzzle, bool symmetric);

// The givens that could go alone, leaving one solution, of a puzzle with one.
std::vector<int> redundantGivens(const Board& puzzle);

// True when the puzzle has one solution and taking away any one of its
// givens leaves several.
bool isMinimal(const Board& puzzle);

// Takes the givens away one at a time in random order, keeping each removal
// that leaves one solution; with `symmetric` a given and its turned partner
// go together. The puzzle must have one solution. Without `symmetric` it ends
// minimal; with it, no pair can go, though a single given may.
void removeRedundantGivens(Board& puzzle, const RandomSource& randomInt, bool symmetric);
