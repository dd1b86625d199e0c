#include "clashes.h"

namespace {

// The first peer of the cell that holds the same digit, or -1.
int clashingPeer(const Board& board, int cell)
{
    if (board.value[cell] == 0) {
        return -1;
    }
    for (int peer : peerCells[cell]) {
        if (board.value[peer] == board.value[cell]) {
            return peer;
        }
    }
    return -1;
}

}  // namespace

std::vector<int> clashingCells(const Board& board)
{
    std::vector<int> cells;
    for (int cell = 0; cell < 81; ++cell) {
        if (clashingPeer(board, cell) >= 0) {
            cells.push_back(cell);
        }
    }
    return cells;
}

std::string clashText(const Board& board)
{
    for (int cell = 0; cell < 81; ++cell) {
        const int peer = clashingPeer(board, cell);
        if (peer >= 0) {
            return capitalised(cellName(cell)) + " and " + cellName(peer) + " both hold "
                   + std::to_string(board.value[cell]) + ".";
        }
    }
    return {};
}

std::string cellName(int cell)
{
    return "row " + std::to_string(rowOf(cell) + 1) + ", column " + std::to_string(columnOf(cell) + 1);
}

std::string capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}
