#pragma once

#include "board.h"

#include <string>

// What a player is told about a puzzle: how many solutions it has, and for
// a proper puzzle (one solution) which of Solve's techniques its technique
// loop needed, taken step by step as the hints take it (next_step.h), and
// whether the trial search had to finish the grid.
struct PuzzleCheck {
    bool clash = false;      // two givens share a column, row or box
    int solutions = 0;       // 0, 1, or 2 for two or more
    bool nakedSingles = false;
    bool lineHiddenSingles = false;  // in columns and rows
    bool boxHiddenSingles = false;
    bool nakedPairs = false;
    bool searchNeeded = false;
    std::string rating;      // one sentence, e.g. "Moderate: needs naked and hidden singles; no guessing."
};

// Checks the values of the board; its candidates play no part.
PuzzleCheck checkPuzzle(const Board& puzzle);

// The techniques of a check as one word list, "naked-singles,naked-pairs,
// trial-search", or "-" when there are none.
std::string techniqueList(const PuzzleCheck& check);
