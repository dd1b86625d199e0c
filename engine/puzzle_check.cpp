#include "puzzle_check.h"

#include "candidates.h"
#include "next_step.h"
#include "search.h"
#include "solve_command.h"

#include <optional>
#include <utility>

namespace {

void noteTechnique(PuzzleCheck& check, StepTechnique technique)
{
    switch (technique) {
    case StepTechnique::nakedSingle: check.nakedSingles = true; break;
    case StepTechnique::columnHiddenSingle:
    case StepTechnique::rowHiddenSingle: check.lineHiddenSingles = true; break;
    case StepTechnique::boxHiddenSingle: check.boxHiddenSingles = true; break;
    case StepTechnique::columnNakedPair:
    case StepTechnique::rowNakedPair: check.nakedPairs = true; break;
    }
}

// "naked and hidden singles and naked pairs"
std::string techniqueWords(const PuzzleCheck& check)
{
    const bool hidden = check.lineHiddenSingles || check.boxHiddenSingles;
    const std::string singles = check.nakedSingles && hidden ? "naked and hidden singles"
                                : check.nakedSingles         ? "naked singles"
                                : hidden                     ? "hidden singles"
                                                             : "";
    if (!check.nakedPairs) {
        return singles;
    }
    return singles.empty() ? "naked pairs" : singles + " and naked pairs";
}

std::string rating(const PuzzleCheck& check, bool givenComplete)
{
    if (check.clash) {
        return "Not a puzzle: two givens share a row, column or box.";
    }
    if (check.solutions == 0) {
        return "Not a puzzle: no filling fits these givens.";
    }
    if (check.solutions > 1) {
        return "Not a proper puzzle: it has more than one solution.";
    }
    if (givenComplete) {
        return "Complete: every cell is filled.";
    }
    const std::string words = techniqueWords(check);
    if (check.searchNeeded) {
        return words.empty() ? "Trial and error: no single or pair to start from; needs guessing throughout."
                             : "Trial and error: " + words + " run out; the rest needs guessing.";
    }
    if (check.nakedPairs) {
        return "Demanding: needs " + words + "; no guessing.";
    }
    if (check.nakedSingles && (check.lineHiddenSingles || check.boxHiddenSingles)) {
        return "Moderate: needs " + words + "; no guessing.";
    }
    return "Simple: needs " + words + " only; no guessing.";
}

}  // namespace

PuzzleCheck checkPuzzle(const Board& puzzle)
{
    PuzzleCheck check;
    check.clash = givensClash(puzzle);
    check.solutions = check.clash ? 0 : countSolutions(puzzle, 2);
    const bool givenComplete = isComplete(puzzle);
    if (check.solutions == 1 && !givenComplete) {
        Board board = puzzle;
        initCandidates(board);
        while (const std::optional<Step> step = findLoopStep(board)) {
            noteTechnique(check, step->technique);
            applyStep(board, *step);
        }
        check.searchNeeded = !isComplete(board);
    }
    check.rating = rating(check, givenComplete);
    return check;
}

std::string techniqueList(const PuzzleCheck& check)
{
    const std::pair<bool, const char*> names[] = {
        {check.nakedSingles, "naked-singles"},
        {check.lineHiddenSingles, "line-hidden-singles"},
        {check.boxHiddenSingles, "box-hidden-singles"},
        {check.nakedPairs, "naked-pairs"},
        {check.searchNeeded, "trial-search"},
    };
    std::string list;
    for (const auto& [used, name] : names) {
        if (used) {
            list += list.empty() ? "" : ",";
            list += name;
        }
    }
    return list.empty() ? "-" : list;
}
