#include "candidate_grid.h"

CandidateGrid CandidateGrid::fromValues(const Board& board)
{
    CandidateGrid grid;
    for (int cell = 0; cell < 81; ++cell) {
        grid.value[cell] = board.value[cell];
        if (board.value[cell] == 0) {
            grid.candidates[cell] = static_cast<DigitMask>(allDigits & ~board.peerDigits(cell));
            for (int digit = 1; digit <= 9; ++digit) {
                if (grid.has(cell, digit)) {
                    grid.cellsOf[digit].add(cell);
                }
            }
        }
    }
    return grid;
}

void CandidateGrid::place(int cell, int digit)
{
    for (int d = 1; d <= 9; ++d) {
        cellsOf[d].remove(cell);
    }
    candidates[cell] = 0;
    value[cell] = static_cast<std::uint8_t>(digit);
    for (int peer : peerSet[cell] & cellsOf[digit]) {
        candidates[peer] &= static_cast<DigitMask>(~digitBit(digit));
    }
    cellsOf[digit] &= ~peerSet[cell];
}

void CandidateGrid::eliminate(int cell, int digit)
{
    candidates[cell] &= static_cast<DigitMask>(~digitBit(digit));
    cellsOf[digit].remove(cell);
}

bool CandidateGrid::isComplete() const
{
    for (std::uint8_t digit : value) {
        if (digit == 0) {
            return false;
        }
    }
    return true;
}
