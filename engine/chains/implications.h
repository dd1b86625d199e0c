#pragma once

#include "board.h"
#include "candidate_grid.h"
#include "chain_nodes.h"
#include "regions.h"

#include <array>

// The two kinds of inference every chain is made of, walked in one fixed
// order: which chain a search meets first decides its length, and so the
// rating, so the order is part of the rating. A cell's regions are taken
// box, row, column, and a region's cells in reading order.

// The box, row and column of a cell, as units.
inline std::array<int, 3> regionsInChainOrder(int cell)
{
    const std::array<std::uint8_t, 3>& walked = regionsOfCell[cell];
    return {regions[walked[0]].unit, regions[walked[1]].unit, regions[walked[2]].unit};
}

// Calls visit(cell) for each cell of `cells`, a part of `unit`, in reading
// order.
template <class Visit>
void forEachInReadingOrder(int unit, CellSet cells, Visit&& visit)
{
    if (unit < 18) {
        // Cells are numbered column by column: the order of their numbers is
        // top to bottom in a column and left to right in a row.
        for (int cell : cells) {
            visit(cell);
        }
        return;
    }
    const int topRow = 3 * ((unit - 18) % 3);
    for (int row = topRow; row < topRow + 3; ++row) {
        for (int cell : cells & unitSet[rowUnit(row)]) {
            visit(cell);
        }
    }
}

// If the digit is in the cell, what is not: the cell's other digits (when
// `cellLinks`), then the digit in the other cells of the box, the row and
// the column. Calls weak(cell, digit) for each, without repeats.
template <class Visit>
void forEachWeakLink(const CandidateGrid& grid, int cell, int digit, bool cellLinks, Visit&& weak)
{
    if (cellLinks) {
        for (int other = 1; other <= 9; ++other) {
            if (other != digit && grid.has(cell, other)) {
                weak(cell, other);
            }
        }
    }
    const std::array<int, 3> units = regionsInChainOrder(cell);
    const CellSet others = peerSet[cell] & grid.cellsOf[digit];
    const CellSet outsideBox = ~unitSet[units[0]];
    forEachInReadingOrder(units[0], others & unitSet[units[0]], [&](int c) { weak(c, digit); });
    for (int c : others & unitSet[units[1]] & outsideBox) {
        weak(c, digit);
    }
    for (int c : others & unitSet[units[2]] & outsideBox) {
        weak(c, digit);
    }
}

// How many places each digit has left in each unit, so that a region's last
// two places are one look-up away; the searches that strike candidates as
// they go keep it in step.
struct PlaceCounts {
    std::array<std::array<std::uint8_t, 27>, 10> ofDigit{};  // [digit][unit]

    static PlaceCounts of(const CandidateGrid& grid)
    {
        PlaceCounts counts;
        for (int digit = 1; digit <= 9; ++digit) {
            for (int unit = 0; unit < 27; ++unit) {
                counts.ofDigit[digit][unit] = static_cast<std::uint8_t>((unitSet[unit] & grid.cellsOf[digit]).size());
            }
        }
        return counts;
    }

    void strike(int cell, int digit)
    {
        for (int unit : unitsOfCell[cell]) {
            --ofDigit[digit][unit];
        }
    }
};

// Where a strong link comes from: the cell itself (its last other digit) or
// one of its regions (the digit's last other place there).
constexpr int viaCell = -1;

// If the digit is not in the cell, what is: the cell's one other digit when
// it has two (when `cellLinks`), then, for each of box, row and column with
// two places for the digit (when `regionLinks`), the other place. Calls
// strong(cell, digit, via) for each, `via` being viaCell or the unit; a place
// that is the other one in two regions comes once for each.
template <class Visit>
void forEachStrongLink(const CandidateGrid& grid, const PlaceCounts& counts, int cell, int digit, bool cellLinks,
                       bool regionLinks, Visit&& strong)
{
    if (cellLinks) {
        const DigitMask digits = grid.candidates[cell];
        if (bitTotal(digits) == 2) {
            const DigitMask other = static_cast<DigitMask>(digits & ~digitBit(digit));
            if (isSingleBit(other)) {
                strong(cell, std::countr_zero(static_cast<unsigned>(other)), viaCell);
            }
        }
    }
    if (!regionLinks) {
        return;
    }
    for (int unit : regionsInChainOrder(cell)) {
        if (counts.ofDigit[digit][unit] != 2) {
            continue;
        }
        const CellSet places = unitSet[unit] & grid.cellsOf[digit];
        CellSet rest = places;
        rest.remove(cell);
        int other = -1;
        if (rest != places) {
            other = rest.first();
        } else {
            forEachInReadingOrder(unit, places, [&](int c) {
                if (other < 0) {
                    other = c;
                }
            });
        }
        strong(other, digit, unit);
    }
}
