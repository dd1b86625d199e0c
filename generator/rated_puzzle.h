#pragma once

#include "board.h"
#include "puzzle_check.h"
#include "random_int.h"

#include <functional>
#include <optional>

// Puzzles made to a rating: one solution, minimal, maybe symmetric under a
// turn by 180 degrees, with an ER on Sudoku Explainer's scale inside a band,
// by the rating Check puzzle gives, with its time limit: a puzzle it cannot
// rate in time is passed over. The same random numbers give the same puzzle
// (unless a rating runs into that limit).

// Ratings in tenths, both ends included.
struct RatingBand {
    int low = 10;
    int high = 10;
    bool holds(int er) const { return er >= low && er <= high; }
};

struct RatedPuzzle {
    Board puzzle;  // its givens; no candidates
    LadderRating rating;
};

// Asked now and then while the search runs; true ends it.
using CancelPoll = std::function<bool()>;

// Searches until a puzzle fits or `cancelled` says stop, which gives none.
std::optional<RatedPuzzle> makeRatedPuzzle(RatingBand band, bool symmetric, const RandomSource& randomInt,
                                           const CancelPoll& cancelled);
