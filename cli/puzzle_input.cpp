#include "puzzle_input.h"

#include "puzzle_text.h"

#include <iostream>

int answerPuzzles(const std::function<std::string(Board& puzzle)>& answer)
{
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
        std::cout << answer(board);
    }
    return status;
}
