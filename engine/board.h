#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The grid's values and candidate texts in a form that is cheap to work on:
// digits as numbers, candidate texts as bit masks, and a count of every digit
// in every column, row and box, so that the digits among a cell's peers are
// three look-ups instead of twenty-four reads. The techniques and the search
// work on a Board; the grid-level operations load one from `grid`, run, and
// store it back, with exactly the results the grid would have had.
using DigitMask = std::uint16_t;

constexpr DigitMask digitBit(int digit) { return static_cast<DigitMask>(1u << digit); }
constexpr DigitMask allDigits = 0x3FE;   // bits 1 to 9: the text "123456789"
constexpr DigitMask testMarker = 0x400;  // the text "test": no digit, length 4

// Cells are numbered column by column, the order of every whole-grid walk.
constexpr int cellIndex(int column, int row) { return 9 * column + row; }
constexpr int columnOf(int cell) { return cell / 9; }
constexpr int rowOf(int cell) { return cell % 9; }

// Units 0-8 are the columns, 9-17 the rows, 18-26 the boxes (by box column,
// then box row).
constexpr int columnUnit(int column) { return column; }
constexpr int rowUnit(int row) { return 9 + row; }
constexpr int boxUnit(int column, int row) { return 18 + 3 * (column / 3) + row / 3; }

// The nine cells of each unit, in the unit's own walking order: top to bottom
// for a column, left to right for a row, and for a box column offset outer,
// row offset inner.
extern const std::array<std::array<std::uint8_t, 9>, 27> unitCells;
// The column, row and box of each cell, by unit number.
extern const std::array<std::array<std::uint8_t, 3>, 81> unitsOfCell;
// The twenty cells that share a column, row or box with each cell.
extern const std::array<std::array<std::uint8_t, 20>, 81> peerCells;

// Bit tests and counts written out: the baseline x86-64 target has no POPCNT
// instruction, and std::popcount and std::has_single_bit then call libgcc.
// The tests combine without a branch: their outcome follows no pattern.
constexpr bool isSingleBit(unsigned mask) { return ((mask & (mask - 1)) == 0) & (mask != 0); }
// A candidate text of exactly one digit (the marker "test" is none).
constexpr bool isSingleDigit(DigitMask mask) { return ((mask & testMarker) == 0) & isSingleBit(mask); }
constexpr int bitTotal(std::uint32_t mask)
{
    mask = mask - ((mask >> 1) & 0x55555555u);
    mask = (mask & 0x33333333u) + ((mask >> 2) & 0x33333333u);
    mask = (mask + (mask >> 4)) & 0x0F0F0F0Fu;
    return static_cast<int>((mask * 0x01010101u) >> 24);
}

DigitMask candidateMask(std::string_view text);
std::string candidateText(DigitMask mask);
// The length of the candidate text that a mask stands for.
int candidateLength(DigitMask mask);

struct Board {
    std::array<std::uint8_t, 81> value{};         // 0 for an empty cell
    std::array<DigitMask, 81> candidates{};
    std::array<std::array<std::uint8_t, 10>, 27> digitCount{};
    std::array<DigitMask, 27> present{};          // digits standing in each unit
    // Digits standing in each cell's column, row and box, its own value
    // included: kept by place and clear, since the techniques read them far
    // more often than digits are placed.
    std::array<DigitMask, 81> peerMask{};
    std::uint8_t progress = 0;

    // Sets a cell's value, replacing whatever it held.
    void place(int cell, int digit);
    void clear(int cell);

    DigitMask peerDigits(int cell) const { return peerMask[cell]; }

    // The effect of eliminateCandidates on one cell: the digits of its column,
    // row and box (its own value included) leave its candidates.
    void eliminate(int cell) { candidates[cell] &= static_cast<DigitMask>(~peerDigits(cell)); }

    // Loads values, candidate texts and the progress flag from the globals.
    static Board fromGrid();
    // Stores values, candidate texts and the progress flag into the globals.
    void toGrid() const;
};

// True when two filled cells of one column, row or box hold the same digit.
bool givensClash(const Board& board);
