#pragma once

#include "candidate_grid.h"
#include "step.h"
#include "time_limit.h"

#include <chrono>

#include <optional>
#include <string>

// The hint: the ladder's next step on the grid a player sees, and why, in a
// player's words. The grid is the hint state: the placed digits and every
// candidate the earlier hints of this game struck; start it with
// CandidateGrid::fromValues, make each step on it with applyStep, and start
// it afresh whenever the player changes the digits.

enum class StepOutcome {
    step,        // a step was found
    clash,       // two digits share a column, row or box
    noSolution,  // no filling fits the digits
    complete,    // every cell is filled
    stuck,       // the ladder runs out: the rest needs deeper chains
    outOfTime,   // no step found within the time a player waits
};

struct NextStep {
    StepOutcome outcome = StepOutcome::stuck;
    Step step;           // meaningful when outcome is step
    std::string reason;  // one sentence: the step's reason, or why there is none
};

// The next step, or why there is none: a clash, a full grid and a grid
// without solution are told in that order before any step. On a grid with
// several solutions the techniques that rest on one solution are left out.
// A step not found within `budget` is reported as out of time.
NextStep findNextStep(const CandidateGrid& grid, std::chrono::steady_clock::duration budget = playerWait);

// The ladder's step on the grid: the first step of the first technique, in
// the table's order, that finds one; none when the ladder runs out.
std::optional<Step> ladderStep(const CandidateGrid& grid, bool uniqueSolution = true);

// The step made on the grid: its eliminations, then its placements.
void applyStep(CandidateGrid& grid, const Step& step);

// A step as explain prints it: "Hidden single in a box (1.2): In box 5, ...".
std::string stepLine(const Step& step, const CandidateGrid& grid);

// Where the ladder runs out.
inline constexpr const char* deeperChainsNeeded =
    "No technique up to dynamic forcing chains (+) applies; the rest needs forcing chains nested deeper, which "
    "Kelvaro does not explain.";
// Where the search takes too long.
inline constexpr const char* tooHardInTime = "Too hard to explain in time: no step was found within 2 seconds.";

// The digits of the grid as a Board, for the solution count and the clash check.
Board boardOf(const CandidateGrid& grid);
