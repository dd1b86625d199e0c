#include "bug.h"

#include "clashes.h"
#include "combinations.h"
#include "regions.h"
#include "words.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {


// The grave's cells, each with its odd digits, in the order the regions
// reveal them.
struct Grave {
    std::vector<int> cells;
    std::array<DigitMask, 81> odd{};
    DigitMask allOdd = 0;
    CellSet seeingAll;  // cells that see every grave cell, grave cells left out
    bool anySeen = false;
};

// Regions by kind (boxes, rows, columns), digits rising: a digit with neither
// zero nor two places, one of them in a cell of three or more digits, makes
// that cell a grave cell for it. False when the grid is no grave.
bool findGrave(const CandidateGrid& grid, Grave& grave)
{
    std::array<DigitMask, 81> bare = grid.candidates;
    for (int kind : {firstBox, firstRow, firstColumn}) {
        for (int r = kind; r < kind + 9; ++r) {
            const Region& region = regions[r];
            for (int digit = 1; digit <= 9; ++digit) {
                const CellSet places = grid.cellsOf[digit] & region.set;
                const int count = places.size();
                if (count == 0 || count == 2) {
                    continue;
                }
                int found = -1;
                int wide = 0;
                for (int cell : places) {
                    if (std::popcount(grid.candidates[cell]) >= 3) {
                        found = cell;
                        ++wide;
                    }
                }
                if (wide == 0) {
                    return false;
                }
                if (wide > 1) {
                    continue;
                }
                if (std::find(grave.cells.begin(), grave.cells.end(), found) == grave.cells.end()) {
                    grave.cells.push_back(found);
                }
                grave.odd[found] |= digitBit(digit);
                grave.allOdd |= digitBit(digit);
                bare[found] &= static_cast<DigitMask>(~digitBit(digit));
                grave.seeingAll = (grave.anySeen ? grave.seeingAll : CellSet::all()) & peerSet[found];
                grave.anySeen = true;
                for (int cell : grave.cells) {
                    grave.seeingAll.remove(cell);
                }
                if (grave.cells.size() > 1 && std::popcount(grave.allOdd) > 1 && grave.seeingAll.empty()) {
                    return false;
                }
            }
        }
    }
    for (int cell = 0; cell < 81; ++cell) {
        if (grid.value[cell] == 0 && std::popcount(bare[cell]) != 2) {
            return false;
        }
    }
    for (const Region& region : regions) {
        unsigned once = 0;
        unsigned twice = 0;
        unsigned more = 0;
        for (std::uint8_t cell : region.cells) {
            more |= twice & bare[cell];
            twice |= once & bare[cell];
            once |= bare[cell];
        }
        if ((once & ~twice) != 0 || more != 0) {
            return false;
        }
    }
    return true;
}

// The region of the given kind that every grave cell stands in, or -1.
int sharedRegion(const Grave& grave, int kind)
{
    const int r = regionsOfCell[grave.cells.front()][kind];
    for (int cell : grave.cells) {
        if (regionsOfCell[cell][kind] != r) {
            return -1;
        }
    }
    return r;
}

Step graveStep(const Grave& grave, int form)
{
    Step step;
    step.cells = grave.cells;
    step.form = form;
    for (int cell : grave.cells) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (grave.odd[cell] & digitBit(digit)) {
                step.proof.push_back(Candidate::of(cell, digit));
            }
        }
    }
    return step;
}

bool takeType1(const CandidateGrid& grid, const Grave& grave, StepSink& sink)
{
    Step step = graveStep(grave, 1);
    step.rating = 56;
    const int cell = grave.cells.front();
    for (int digit = 1; digit <= 9; ++digit) {
        if (grid.has(cell, digit) && !(grave.allOdd & digitBit(digit))) {
            step.eliminations.push_back(Candidate::of(cell, digit));
        }
    }
    return sink.take(std::move(step));
}

bool takeType2(const CandidateGrid& grid, const Grave& grave, StepSink& sink)
{
    const int digit = std::countr_zero(static_cast<unsigned>(grave.allOdd));
    Step step = graveStep(grave, 2);
    step.rating = 57;
    for (int cell : grave.seeingAll & grid.cellsOf[digit]) {
        step.eliminations.push_back(Candidate::of(cell, digit));
    }
    return !step.eliminations.empty() && sink.take(std::move(step));
}

// Two grave cells in one region, sharing one digit besides their odd ones:
// one of them holds its odd digit, so the other keeps that shared digit or
// its odd one, never its last.
bool takeType4(const CandidateGrid& grid, const Grave& grave, StepSink& sink)
{
    const int c1 = grave.cells[0];
    const int c2 = grave.cells[1];
    const DigitMask common = grid.candidates[c1] & grid.candidates[c2] & ~grave.allOdd;
    if (std::popcount(common) != 1) {
        return false;
    }
    for (int kind = 0; kind < 3; ++kind) {
        const int r = sharedRegion(grave, kind);
        if (r < 0) {
            continue;
        }
        Step step = graveStep(grave, 4);
        step.rating = 57;
        step.units = {regions[r].unit};
        for (int cell : {c1, c2}) {
            for (int digit = 1; digit <= 9; ++digit) {
                if (grid.has(cell, digit) && !(grave.odd[cell] & digitBit(digit)) && !(common & digitBit(digit))) {
                    step.eliminations.push_back(Candidate::of(cell, digit));
                }
            }
        }
        if (sink.take(std::move(step))) {
            return true;
        }
    }
    return false;
}

// The grave cells' odd digits, taken as one cell, with other cells of a
// region they share form a naked set.
bool takeType3(const CandidateGrid& grid, const Grave& grave, StepSink& sink)
{
    for (int kind = 0; kind < 3; ++kind) {
        const int r = sharedRegion(grave, kind);
        if (r < 0) {
            continue;
        }
        std::vector<int> regionCells;
        for (int cell : housePeers[grave.cells.front()]) {
            if (grave.seeingAll.has(cell) && regionsOfCell[cell][kind] == r) {
                regionCells.push_back(cell);
            }
        }
        const auto all = static_cast<std::uint32_t>((std::uint64_t{1} << regionCells.size()) - 1);
        for (int size = 2; size <= 6 && size <= static_cast<int>(regionCells.size()); ++size) {
            const bool stop = forEachSubset(all, size - 1, [&](std::uint32_t chosen) {
                DigitMask others = 0;
                for (std::uint32_t rest = chosen; rest != 0; rest &= rest - 1) {
                    const DigitMask digits = grid.candidates[regionCells[std::countr_zero(rest)]];
                    if (std::popcount(digits) <= 1) {
                        return false;
                    }
                    others |= digits;
                }
                const DigitMask set = others | grave.allOdd;
                if (std::popcount(others) != size || std::popcount(set) != size) {
                    return false;
                }
                Step step = graveStep(grave, 3);
                step.rating = 57 + (size - 1);
                step.units = {regions[r].unit};
                for (int k = 0; k < static_cast<int>(regionCells.size()); ++k) {
                    const int cell = regionCells[k];
                    for (int digit = 1; digit <= 9; ++digit) {
                        if (grid.has(cell, digit) && (set & digitBit(digit))) {
                            ((chosen >> k) & 1 ? step.proof : step.eliminations).push_back(Candidate::of(cell, digit));
                        }
                    }
                }
                return !step.eliminations.empty() && sink.take(std::move(step));
            });
            if (stop) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

void scanBivalueUniversalGrave(const CandidateGrid& grid, StepSink& sink)
{
    Grave grave;
    if (!findGrave(grid, grave) || grave.cells.empty()) {
        return;
    }
    if (grave.cells.size() == 1) {
        takeType1(grid, grave, sink);
    } else if (std::popcount(grave.allOdd) == 1) {
        if (!takeType2(grid, grave, sink) && grave.cells.size() == 2) {
            takeType4(grid, grave, sink);
        }
    } else if (grave.anySeen && !grave.seeingAll.empty()) {
        if (!(grave.cells.size() == 2 && takeType4(grid, grave, sink))) {
            takeType3(grid, grave, sink);
        }
    }
}

std::string bivalueUniversalGraveWords(const Step& step, const CandidateGrid& grid)
{
    const std::string cells = cellList(step.cells);
    const auto inGrave = [&](const Candidate& each) {
        return std::find(step.cells.begin(), step.cells.end(), each.cell) != step.cells.end();
    };
    DigitMask odd = 0;
    std::vector<Candidate> setPart;
    for (const Candidate& each : step.proof) {
        if (inGrave(each)) {
            odd |= digitBit(each.digit);
        } else {
            setPart.push_back(each);
        }
    }
    const std::string text = "But for " + cells
                             + ", every empty cell would hold two digits and every digit two places in each row, "
                               "column and box it is missing from; such a grid has two solutions. ";
    const std::string struck = struckText(step.eliminations);
    switch (step.form) {
    case 1:
        return text + "So " + cells + " must be " + digitList(odd, "or") + ": " + struck + ".";
    case 2:
        return text + "So one of " + cells + " is " + digitList(odd, "or") + ", and " + struck + ".";
    case 3:
        return text + "So one of " + cells + " is " + digitList(odd, "or") + ", which with "
               + cellList(cellsOf(setPart)) + " makes cells of " + unitName(step.units.front()) + " that hold only "
               + digitList(odd | digitsOf(setPart)) + ", so " + struck + ".";
    default: {
        const DigitMask common = grid.candidates[step.cells[0]] & grid.candidates[step.cells[1]] & ~odd;
        return text + "So one of " + cells + ", which share " + unitName(step.units.front()) + ", is "
               + digitList(odd, "or") + ", and each keeps only that or their common " + digitList(common) + ": "
               + struck + ".";
    }
    }
}
