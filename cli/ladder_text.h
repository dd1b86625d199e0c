#pragma once

#include "board.h"

#include <string>

// What `rate` prints for a puzzle, tab-separated, newline-ended: the
// solution count (0, 1, or 2 for two or more), ER, EP and ED (one decimal,
// or "-" where unknown), the hardest step's technique, the grade in words.
std::string rateLine(const Board& puzzle);

// What `explain` prints for a puzzle: the ladder's steps from the givens,
// numbered, each with its technique, rating and reason, one a line, then
// "Solved." or why the steps end there.
std::string explainText(const Board& puzzle);
