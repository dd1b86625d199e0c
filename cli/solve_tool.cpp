#include "checked_output.h"
#include "commands.h"
#include "line_reader.h"
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
    int status = 0;
    std::string readError;
    const bool read = readLines(std::cin, [&](const InputLine& line) {
        Board board;
        std::string reason;
        if (!parsePuzzleLine(line, board, reason)) {
            std::cerr << "error: line " << line.number << ": " << reason << '\n';
            status = 1;
            return true;
        }
        const char* outcome = "clash";
        if (!givensClash(board)) {
            outcome = solvePuzzle(board) ? "solved" : "nosolution";
        }
        if (!writeOut(formatPuzzle(board) + ' ' + outcome + '\n')) {
            status = 1;
            return false;
        }
        return true;
    }, readError);
    if (!read) {
        std::cerr << "error: cannot read standard input: " << readError << '\n';
        return 1;
    }
    return status;
}
