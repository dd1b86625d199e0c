#pragma once

#include "board.h"

#include <optional>
#include <string>
#include <vector>

// The hint: the next change that Solve's technique loop makes on a board, and
// why, in a player's words. The loop is taken as starting a pass on the board
// as it stands: naked singles, then hidden singles in columns and rows, then
// hidden singles in boxes, then naked pairs in columns and rows. A change is
// one digit placed, or the digits one pair strikes from the other cells of
// its line; a technique call that makes several changes makes them in its
// own walking order, and the step is the first of them.
//
// The board carries the candidates as well as the values, because a pair's
// removals change no value: start it with initCandidates (as Solve does),
// apply steps to it with applyStep, and start it afresh whenever the player
// changes the grid.

enum class StepTechnique {
    nakedSingle,
    columnHiddenSingle,
    rowHiddenSingle,
    boxHiddenSingle,
    columnNakedPair,
    rowNakedPair,
};

struct CandidateRemoval {
    int cell = 0;
    DigitMask digits = 0;
};

struct Step {
    StepTechnique technique = StepTechnique::nakedSingle;
    // The placed cell, or the pair's two cells top to bottom / left to right
    // (cell numbers as Board numbers them: cellIndex(column, row)).
    std::vector<int> cells;
    int digit = 0;         // the digit placed; 0 for a pair
    DigitMask pair = 0;    // the pair's two digits; 0 for a single
    std::vector<CandidateRemoval> removals;  // a pair's strikes, in line order
};

enum class StepOutcome {
    step,        // a step was found
    clash,       // two givens share a column, row or box
    noSolution,  // no filling fits the values
    complete,    // every cell is filled
    stuck,       // no single or pair is left; trial and error must go on
};

struct NextStep {
    StepOutcome outcome = StepOutcome::stuck;
    Step step;           // meaningful when outcome is step
    std::string reason;  // one sentence: the step's reason, or why there is none
};

// The next step on the board, or why there is none: a clash, a full grid
// and a grid without solution are told in that order before any step.
NextStep findNextStep(const Board& board);

// The step alone, without the checks for clashes, solutions and a full grid
// that findNextStep makes first; none when no single or pair is left.
std::optional<Step> findLoopStep(const Board& board);

// Every cell holds a digit.
bool isComplete(const Board& board);

// Makes the step's change on the board as the loop makes it: the digit goes
// in and its cell's candidates are emptied, or the pair's digits leave the
// other cells; the progress flag is set. Every empty cell's candidates are
// brought up to date with the values first, as the loop's techniques do.
void applyStep(Board& board, const Step& step);

