#include "singles.h"

#include "clashes.h"
#include "regions.h"
#include "words.h"

#include <bit>

namespace {

Step placing(int cell, int digit, int unit)
{
    Step step;
    step.placements = {Candidate::of(cell, digit)};
    step.proof = step.placements;
    if (unit >= 0) {
        step.units = {unit};
    }
    return step;
}

// The region's last empty cell takes its lowest candidate: a digit's only
// place in the region.
bool fullHouseIn(const CandidateGrid& grid, int first, StepSink& sink)
{
    for (int r = first; r < first + 9; ++r) {
        const Region& region = regions[r];
        if (emptyCellsIn(grid, region) != 1) {
            continue;
        }
        for (std::uint8_t cell : region.cells) {
            if (grid.value[cell] == 0 && grid.candidates[cell] != 0
                && sink.take(placing(cell, std::countr_zero(grid.candidates[cell]), region.unit))) {
                return true;
            }
        }
    }
    return false;
}

// Digits with exactly one place in a region that has more than one empty
// cell, region by region, digits rising.
bool hiddenSinglesIn(const CandidateGrid& grid, int first, StepSink& sink)
{
    for (int r = first; r < first + 9; ++r) {
        const Region& region = regions[r];
        unsigned once = 0;
        unsigned more = 0;
        int empty = 0;
        for (std::uint8_t cell : region.cells) {
            more |= once & grid.candidates[cell];
            once |= grid.candidates[cell];
            empty += grid.value[cell] == 0 ? 1 : 0;
        }
        if (empty == 1) {
            continue;
        }
        for (unsigned single = once & ~more; single != 0; single &= single - 1) {
            const int digit = std::countr_zero(single);
            for (std::uint8_t cell : region.cells) {
                if (grid.has(cell, digit) && sink.take(placing(cell, digit, region.unit))) {
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace

void scanFullHouse(const CandidateGrid& grid, StepSink& sink)
{
    fullHouseIn(grid, firstBox, sink) || fullHouseIn(grid, firstColumn, sink) || fullHouseIn(grid, firstRow, sink);
}

void scanHiddenSingleInBox(const CandidateGrid& grid, StepSink& sink) { hiddenSinglesIn(grid, firstBox, sink); }

void scanHiddenSingleInLine(const CandidateGrid& grid, StepSink& sink)
{
    hiddenSinglesIn(grid, firstColumn, sink) || hiddenSinglesIn(grid, firstRow, sink);
}

void scanNakedSingle(const CandidateGrid& grid, StepSink& sink)
{
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const int cell = cellIndex(column, row);
            if (isSingleBit(grid.candidates[cell])
                && sink.take(placing(cell, std::countr_zero(grid.candidates[cell]), -1))) {
                return;
            }
        }
    }
}

std::string fullHouseWords(const Step& step, const CandidateGrid&)
{
    const Candidate placed = step.placements.front();
    return capitalised(unitName(step.units.front())) + " has one empty cell left: " + cellName(placed.cell)
           + " takes the missing " + std::to_string(placed.digit) + ".";
}

std::string hiddenSingleWords(const Step& step, const CandidateGrid&)
{
    const Candidate placed = step.placements.front();
    const int unit = step.units.front();
    const std::string place = unit < rowUnit(0)       ? "row " + std::to_string(rowNumber(placed.cell))
                              : unit < boxUnit(0, 0) ? "column " + std::to_string(columnNumber(placed.cell))
                                                     : cellName(placed.cell);
    return "In " + unitName(unit) + ", the " + std::to_string(placed.digit) + " fits only in " + place + ".";
}

std::string nakedSingleWords(const Step& step, const CandidateGrid& grid)
{
    const Candidate placed = step.placements.front();
    DigitMask peerDigits = 0;
    for (int peer : peerSet[placed.cell]) {
        peerDigits |= digitBit(grid.value[peer]);
    }
    const bool byPeersAlone = (allDigits & ~peerDigits) == digitBit(placed.digit);
    return capitalised(cellName(placed.cell)) + " can only be " + std::to_string(placed.digit)
           + (byPeersAlone ? ": every other digit is already in its row, column or box."
                           : ": every other digit is in its row, column or box or was struck out by an earlier "
                             "step.");
}
