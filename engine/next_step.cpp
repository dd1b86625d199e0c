#include "next_step.h"

#include "clashes.h"
#include "ladder/words.h"
#include "search.h"
#include "technique_table.h"

std::optional<Step> ladderStep(const CandidateGrid& grid, bool uniqueSolution)
{
    const auto table = techniqueTable();
    for (int technique = 0; technique < static_cast<int>(table.size()); ++technique) {
        if (!uniqueSolution && table[technique].needsUniqueSolution) {
            continue;
        }
        if (std::optional<Step> step = findFirst(technique, grid)) {
            return step;
        }
    }
    return std::nullopt;
}

void applyStep(CandidateGrid& grid, const Step& step)
{
    for (const Candidate& each : step.eliminations) {
        grid.eliminate(each.cell, each.digit);
    }
    for (const Candidate& each : step.placements) {
        grid.place(each.cell, each.digit);
    }
}

std::string stepLine(const Step& step, const CandidateGrid& grid)
{
    const TechniqueRow& row = techniqueTable()[step.technique];
    return std::string(techniqueTitle(step.technique, step.form)) + " (" + ratingText(step.rating)
           + "): " + row.words(step, grid);
}

Board boardOf(const CandidateGrid& grid)
{
    Board board;
    for (int cell = 0; cell < 81; ++cell) {
        if (grid.value[cell] != 0) {
            board.place(cell, grid.value[cell]);
        }
    }
    return board;
}

NextStep findNextStep(const CandidateGrid& grid, std::chrono::steady_clock::duration budget)
{
    const Board board = boardOf(grid);
    if (const std::string clash = clashText(board); !clash.empty()) {
        return {StepOutcome::clash, {}, "The grid has a clash: " + clash};
    }
    if (grid.isComplete()) {
        return {StepOutcome::complete, {}, "The puzzle is complete."};
    }
    const int solutions = countSolutions(board, 2);
    if (solutions == 0) {
        return {StepOutcome::noSolution, {}, "The grid has no solution: a digit in it is wrong."};
    }
    std::optional<Step> step;
    try {
        const TimeLimit limit(budget);
        step = ladderStep(grid, solutions == 1);
    } catch (const OutOfTime&) {
        return {StepOutcome::outOfTime, {}, tooHardInTime};
    }
    if (!step) {
        return {StepOutcome::stuck, {}, deeperChainsNeeded};
    }
    const std::string reason = techniqueTable()[step->technique].words(*step, grid);
    return {StepOutcome::step, std::move(*step), reason};
}
