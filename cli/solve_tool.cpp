#include "commands.h"
#include "puzzle_input.h"
#include "puzzle_text.h"
#include "solve_command.h"

#include <iostream>
#include <string>

int runSolve(const std::vector<std::string>& args)
{
    if (!args.empty()) {
        std::cerr << "usage: kelvaro-engine solve < puzzles\n";
        return 2;
    }
    return answerPuzzles([](Board& board) {
        const char* outcome = "clash";
        if (!givensClash(board)) {
            outcome = solvePuzzle(board) ? "solved" : "nosolution";
        }
        return formatPuzzle(board) + ' ' + outcome + '\n';
    });
}
