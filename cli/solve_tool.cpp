#include "commands.h"
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
    std::ios::sync_with_stdio(false);
    int status = 0;
    std::string line;
    for (long number = 1; std::getline(std::cin, line); ++number) {
        Board board;
        std::string reason;
        if (!parsePuzzle(line, board, reason)) {
            std::cerr << "error: line " << number << ": " << reason << '\n';
            status = 1;
            continue;
        }
        const char* outcome = "clash";
        if (!givensClash(board)) {
            outcome = solvePuzzle(board) ? "solved" : "nosolution";
        }
        std::cout << formatPuzzle(board) << ' ' << outcome << '\n';
    }
    return status;
}
