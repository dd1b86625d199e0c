#pragma once

#include "board.h"
#include "candidate_grid.h"
#include "cell_set.h"

#include <array>
#include <cstdint>

// The 27 regions in the order the explaining techniques walk them: boxes
// left to right, then top to bottom; rows top to bottom; columns left to
// right. Each region's cells are in reading order, and a cell's place in its
// region (0-8) is what a "position" bit stands for. The rating depends on
// which step the ladder meets first, so this order is part of the rating.
struct Region {
    std::array<std::uint8_t, 9> cells;
    CellSet set;
    std::uint8_t unit;  // the same region as a Board unit
};

constexpr int firstBox = 0;
constexpr int firstRow = 9;
constexpr int firstColumn = 18;

extern const std::array<Region, 27>& regions;

// A cell's box, row and column, as region indexes, in that order.
extern const std::array<std::array<std::uint8_t, 3>, 81>& regionsOfCell;

// A cell's twenty peers in the order a player's eye takes them: its box in
// reading order, then the rest of its row left to right, then the rest of
// its column top to bottom. Wings and exclusions walk them so.
extern const std::array<std::array<std::uint8_t, 20>, 81>& housePeers;

// Which of the region's cells hold the digit as a candidate: bit i for the
// region's cell i.
inline unsigned positionsOf(const DigitMask* candidates, const Region& region, int digit)
{
    unsigned positions = 0;
    for (int i = 0; i < 9; ++i) {
        positions |= ((candidates[region.cells[i]] >> digit) & 1u) << i;
    }
    return positions;
}

inline int emptyCellsIn(const CandidateGrid& grid, const Region& region)
{
    int empty = 0;
    for (std::uint8_t cell : region.cells) {
        empty += grid.value[cell] == 0 ? 1 : 0;
    }
    return empty;
}

// Rows, columns and boxes as a player counts them, 1 to 9.
constexpr int rowNumber(int cell) { return rowOf(cell) + 1; }
constexpr int columnNumber(int cell) { return columnOf(cell) + 1; }
constexpr int boxNumber(int cell) { return 3 * (rowOf(cell) / 3) + columnOf(cell) / 3 + 1; }
