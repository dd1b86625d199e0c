#include "puzzle_text.h"

bool parsePuzzle(std::string_view line, Board& board, std::string& reason)
{
    if (line.size() != 81) {
        reason = "expected 81 characters, found " + std::to_string(line.size());
        return false;
    }
    board = Board{};
    for (int position = 0; position < 81; ++position) {
        const char c = line[position];
        if (c >= '1' && c <= '9') {
            board.place(cellIndex(position % 9, position / 9), c - '0');
        } else if (c != '.' && c != '0') {
            reason = "character " + std::to_string(position + 1) + " is not a digit or '.'";
            return false;
        }
    }
    return true;
}

bool parsePuzzleLine(const InputLine& line, Board& board, std::string& reason)
{
    if (!line.error.empty()) {
        reason = line.error;
        return false;
    }
    return parsePuzzle(line.text, board, reason);
}

std::string formatPuzzle(const Board& board)
{
    std::string text(81, '.');
    for (int position = 0; position < 81; ++position) {
        const int digit = board.value[cellIndex(position % 9, position / 9)];
        if (digit != 0) {
            text[position] = static_cast<char>('0' + digit);
        }
    }
    return text;
}
