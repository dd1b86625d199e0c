#include "candidates.h"

void initCandidates(Board& board)
{
    for (int cell = 0; cell < 81; ++cell) {
        board.candidates[cell] = board.value[cell] ? testMarker : allDigits;
    }
}

void initCandidates()
{
    Board board = Board::fromGrid();
    initCandidates(board);
    board.toGrid();
}

void eliminateCandidates(int i, int j)
{
    Board board = Board::fromGrid();
    board.eliminate(cellIndex(i, j));
    board.toGrid();
}
