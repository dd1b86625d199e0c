#pragma once

#include "board.h"
#include "cell_set.h"

#include <array>
#include <cstdint>

// The grid as the explaining techniques see it: the placed digits and every
// empty cell's candidates, kept two ways in step: a digit mask a cell, and a
// cell set a digit. A filled cell has no candidates.
struct CandidateGrid {
    std::array<std::uint8_t, 81> value{};   // 0 for an empty cell
    std::array<DigitMask, 81> candidates{};
    std::array<CellSet, 10> cellsOf{};      // cellsOf[d]: the cells where d is a candidate; [0] unused

    // The values of the board, each empty cell holding every digit that no
    // peer's value rules out. The board's own candidates play no part.
    static CandidateGrid fromValues(const Board& board);

    // Places the digit: the cell's candidates go, and so does the digit
    // among the candidates of its twenty peers.
    void place(int cell, int digit);
    // Strikes one candidate; nothing when it is not there.
    void eliminate(int cell, int digit);

    bool has(int cell, int digit) const { return (candidates[cell] >> digit) & 1; }
    bool isComplete() const;
};
