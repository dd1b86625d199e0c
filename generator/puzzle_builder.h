#pragma once

#include "board.h"
#include "clue_removal.h"
#include "random_int.h"

// A finished build: the puzzle shown to the user, and the puzzle as the
// random removal left it, before the column and row minimum.
struct PuzzleBuild {
    Board puzzle;
    Board afterRemoval;
    int attempts = 0;
};

// How many builds may end with several solutions before the last build's
// puzzle from before the column and row minimum is taken instead: the logic
// test filled it, so it has one solution.
constexpr int maxBuildAttempts = 20;

// Builds a puzzle of the difficulty (1 Easy to 4 Hard) with one solution:
// a full grid from three random boxes, random removal, then at least
// `difficulty` empty cells in every column and row. A build whose puzzle has
// several solutions starts again from the full grid, the bar back at 5.
PuzzleBuild buildPuzzle(int difficulty, const RandomSource& randomInt, const SetBar& setBar,
                        int attemptLimit = maxBuildAttempts);

// buildPuzzle on the globals: `grid` receives the puzzle's values, with the
// candidates and progress flag of the last logic test, and `solution` the
// values of the puzzle as the random removal left it.
void generatePuzzle(int difficulty, const RandomSource& randomInt, const SetBar& setBar);
