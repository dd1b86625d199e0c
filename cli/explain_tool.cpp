#include "candidates.h"
#include "commands.h"
#include "next_step.h"
#include "puzzle_check.h"
#include "puzzle_input.h"

#include <iostream>
#include <string>

int runRate(const std::vector<std::string>& args)
{
    if (!args.empty()) {
        std::cerr << "usage: kelvaro-engine rate < puzzles\n";
        return 2;
    }
    return answerPuzzles([](Board& board) {
        const PuzzleCheck check = checkPuzzle(board);
        return std::to_string(check.solutions) + ' ' + techniqueList(check) + ' ' + check.rating + '\n';
    });
}

int runExplain(const std::vector<std::string>& args)
{
    if (!args.empty()) {
        std::cerr << "usage: kelvaro-engine explain < puzzles\n";
        return 2;
    }
    bool first = true;
    return answerPuzzles([&first](Board& board) {
        std::string text = first ? "" : "\n";
        first = false;
        initCandidates(board);
        NextStep next = findNextStep(board);
        for (int n = 1; next.outcome == StepOutcome::step; ++n) {
            text += std::to_string(n) + ". " + next.reason + '\n';
            applyStep(board, next.step);
            next = findNextStep(board);
        }
        return text + (next.outcome == StepOutcome::complete ? "Solved." : next.reason) + '\n';
    });
}
