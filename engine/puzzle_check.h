#pragma once

#include "board.h"
#include "next_step.h"
#include "time_limit.h"

#include <chrono>

#include <span>
#include <string>

// The rating on Sudoku Explainer's scale: the ladder's path from the givens,
// each time the first technique in the table's order that finds a step.
// Ratings are in tenths; -1 where unknown: ER when the ladder runs out before
// the grid is full, EP when that happens before the first placed digit.
struct LadderRating {
    int er = -1;       // the hardest step of the path
    int ep = -1;       // the hardest step up to the first placed digit
    int ed = -1;       // the first step
    int hardest = -1;  // the table row of the path's first hardest step
    int hardestForm = 0;  // and its form
    int steps = 0;
    bool complete = false;   // the path ends with every cell filled
    bool outOfTime = false;  // the path was not finished within the time given
};

// The values of the board as givens; its candidates play no part. A path
// not finished within `budget` stops there, out of time. With a ceiling
// (tenths), the path is given up as soon as it is known to rate above it (a
// step rates above it, or only the table's rows above it are left to try),
// ER unknown as where the ladder runs out; a rating at or under the ceiling
// is the one without it.
LadderRating rateByLadder(const Board& puzzle, std::chrono::steady_clock::duration budget = playerWait,
                          int ceiling = noCeiling);

// What a player is told about a puzzle: how many solutions it has and, for a
// proper puzzle, its rating, its grade and its hardest step.
struct PuzzleCheck {
    bool clash = false;  // two givens share a column, row or box
    int solutions = 0;   // 0, 1, or 2 for two or more
    bool givenComplete = false;
    LadderRating rating;  // for a proper puzzle with an empty cell
    std::string grade;    // "easy", "medium", "hard", "diabolical", or what the grid is instead
    std::string verdict;  // the grade, the rating and the hardest step, named and told in plain words
};

PuzzleCheck checkPuzzle(const Board& puzzle);

// The grades and their bands of ER (tenths, both ends included): easy 1.0 to
// 1.4, medium 1.5 to 2.4, hard 2.5 to 4.9, diabolical from 5.0 up, with no
// end (a chain's length adds to its rating).
struct GradeBand {
    const char* grade;
    int low;
    int high;
};
std::span<const GradeBand> gradeBands();

// The grade of a rating (tenths), by those bands; diabolical also where the
// ladder runs out.
const char* gradeOf(int er);
