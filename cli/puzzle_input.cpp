#include "puzzle_input.h"

#include "checked_output.h"
#include "line_reader.h"
#include "puzzle_text.h"

#include <iostream>

int answerPuzzles(const std::function<std::string(Board& puzzle)>& answer)
{
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
        if (!writeOut(answer(board))) {
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
