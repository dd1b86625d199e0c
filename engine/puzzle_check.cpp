#include "puzzle_check.h"

#include "clashes.h"
#include "ladder/words.h"
#include "next_step.h"
#include "search.h"
#include "solve_command.h"
#include "technique_table.h"

#include <algorithm>

LadderRating rateByLadder(const Board& puzzle, std::chrono::steady_clock::duration budget, int ceiling)
{
    LadderRating rating;
    CandidateGrid grid = CandidateGrid::fromValues(puzzle);
    int hardest = 0;
    bool placed = false;
    const TimeLimit limit(budget);
    while (!grid.isComplete()) {
        std::optional<Step> step;
        try {
            step = ladderStep(grid, true, ceiling);
        } catch (const OutOfTime&) {
            rating.outOfTime = true;
            return rating;
        }
        if (!step || step->rating > ceiling) {
            return rating;
        }
        if (step->rating > hardest) {
            hardest = step->rating;
            rating.hardest = step->technique;
            rating.hardestForm = step->form;
        }
        rating.ed = rating.steps == 0 ? hardest : rating.ed;
        if (!placed && !step->placements.empty()) {
            placed = true;
            rating.ep = hardest;
        }
        ++rating.steps;
        applyStep(grid, *step);
    }
    rating.er = hardest;
    rating.complete = true;
    return rating;
}

std::span<const GradeBand> gradeBands()
{
    static constexpr GradeBand bands[] = {
        {"easy", 10, 14},
        {"medium", 15, 24},
        {"hard", 25, 49},
        {"diabolical", 50, noCeiling},
    };
    return bands;
}

const char* gradeOf(int er)
{
    if (er >= 0) {
        for (const GradeBand& band : gradeBands()) {
            if (er <= band.high) {
                return band.grade;
            }
        }
    }
    return "diabolical";
}

PuzzleCheck checkPuzzle(const Board& puzzle)
{
    PuzzleCheck check;
    check.clash = givensClash(puzzle);
    check.solutions = check.clash ? 0 : countSolutions(puzzle, 2);
    check.givenComplete = std::none_of(puzzle.value.begin(), puzzle.value.end(), [](int v) { return v == 0; });
    if (check.clash) {
        check.grade = "clash";
        check.verdict = "Not a puzzle: two givens share a row, column or box.";
    } else if (check.solutions == 0) {
        check.grade = "no solution";
        check.verdict = "Not a puzzle: no filling fits these givens.";
    } else if (check.solutions > 1) {
        check.grade = "several solutions";
        check.verdict = "Not a proper puzzle: it has more than one solution.";
    } else if (check.givenComplete) {
        check.grade = "complete";
        check.verdict = "Complete: every cell is filled.";
    } else {
        check.rating = rateByLadder(puzzle);
        check.grade = gradeOf(check.rating.er);
        std::string grade = capitalised(check.grade);
        if (check.rating.complete) {
            check.verdict = grade + ": rated " + ratingText(check.rating.er)
                            + " on Sudoku Explainer's scale.\nHardest step: "
                            + techniqueTitle(check.rating.hardest, check.rating.hardestForm) + ".";
            if (const char* idea = techniqueIdea(check.rating.hardest, check.rating.hardestForm)) {
                check.verdict += std::string(" ") + idea;
            }
        } else if (check.rating.outOfTime) {
            check.grade = "too hard to rate in time";
            check.verdict = "Too hard to rate in time: no rating was found within 2 seconds.";
        } else {
            check.verdict = grade + ": rated above 9.0 on Sudoku Explainer's scale.\nHardest step: beyond "
                                    "dynamic forcing chains (+); the rest needs forcing chains nested deeper, which "
                                    "Kelvaro does not explain.";
        }
    }
    return check;
}
