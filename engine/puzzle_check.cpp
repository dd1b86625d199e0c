#include "puzzle_check.h"

#include "clashes.h"
#include "ladder/words.h"
#include "next_step.h"
#include "search.h"
#include "solve_command.h"
#include "technique_table.h"

#include <algorithm>

LadderRating rateByLadder(const Board& puzzle)
{
    LadderRating rating;
    CandidateGrid grid = CandidateGrid::fromValues(puzzle);
    int hardest = 0;
    bool placed = false;
    while (!grid.isComplete()) {
        const std::optional<Step> step = ladderStep(grid);
        if (!step) {
            return rating;
        }
        if (step->rating > hardest) {
            hardest = step->rating;
            rating.hardest = step->technique;
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

const char* gradeOf(int er)
{
    return er < 0 ? "diabolical" : er < 15 ? "easy" : er < 25 ? "medium" : er < 50 ? "hard" : "diabolical";
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
            const TechniqueRow& hardest = techniqueTable()[check.rating.hardest];
            check.verdict = grade + ": rated " + ratingText(check.rating.er)
                            + " on Sudoku Explainer's scale.\nHardest step: " + hardest.title + ".";
            if (hardest.idea != nullptr) {
                check.verdict += std::string(" ") + hardest.idea;
            }
        } else {
            check.verdict = grade + ": rated above 6.2 on Sudoku Explainer's scale.\nHardest step: beyond "
                                    "aligned pair exclusion; the rest needs chains, which Kelvaro cannot explain yet.";
        }
    }
    return check;
}
