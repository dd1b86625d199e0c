#include "subsets.h"

#include "clashes.h"
#include "combinations.h"
#include "regions.h"
#include "words.h"

#include <bit>

namespace {

constexpr int kinds[] = {firstBox, firstColumn, firstRow};


bool nakedSetsIn(const CandidateGrid& grid, const Region& region, int size, StepSink& sink)
{
    std::uint32_t usable = 0;
    for (int i = 0; i < 9; ++i) {
        const int count = std::popcount(grid.candidates[region.cells[i]]);
        usable |= (count >= 2 && count <= size ? 1u : 0u) << i;
    }
    return forEachSubset(usable, size, [&](std::uint32_t set) {
        DigitMask digits = 0;
        for (std::uint32_t rest = set; rest != 0; rest &= rest - 1) {
            digits |= grid.candidates[region.cells[std::countr_zero(rest)]];
        }
        if (std::popcount(digits) != size) {
            return false;
        }
        Step step;
        for (int i = 0; i < 9; ++i) {
            const int cell = region.cells[i];
            for (int digit = 1; digit <= 9; ++digit) {
                if (grid.has(cell, digit) && (digits & digitBit(digit))) {
                    ((set >> i) & 1 ? step.proof : step.eliminations).push_back(Candidate::of(cell, digit));
                }
            }
        }
        step.units = {region.unit};
        return !step.eliminations.empty() && sink.take(std::move(step));
    });
}

// The first digit outside the set that the set's cells leave one place in
// the region, as its step's placement; false when there is none.
bool placeFollowingSingle(const Region& region, const unsigned* positions,
                          DigitMask digits, unsigned cells, Step& step)
{
    for (int digit = 1; digit <= 9; ++digit) {
        const unsigned left = positions[digit] & ~cells;
        if (!(digits & digitBit(digit)) && std::popcount(positions[digit]) > 1 && std::popcount(left) == 1) {
            step.placements = {Candidate::of(region.cells[std::countr_zero(left)], digit)};
            return true;
        }
    }
    return false;
}

bool hiddenSetsIn(const CandidateGrid& grid, const Region& region, int size, bool direct, StepSink& sink)
{
    unsigned positions[10] = {};
    std::uint32_t usable = 0;
    for (int digit = 1; digit <= 9; ++digit) {
        positions[digit] = positionsOf(grid.candidates.data(), region, digit);
        const int count = std::popcount(positions[digit]);
        usable |= (count >= 2 && count <= size ? 1u : 0u) << digit;
    }
    return forEachSubset(usable, size, [&](std::uint32_t set) {
        const DigitMask digits = static_cast<DigitMask>(set);
        unsigned cells = 0;
        for (std::uint32_t rest = set; rest != 0; rest &= rest - 1) {
            cells |= positions[std::countr_zero(rest)];
        }
        if (std::popcount(cells) != size) {
            return false;
        }
        Step step;
        for (std::uint32_t rest = cells; rest != 0; rest &= rest - 1) {
            const int cell = region.cells[std::countr_zero(rest)];
            for (int digit = 1; digit <= 9; ++digit) {
                if (grid.has(cell, digit)) {
                    ((digits & digitBit(digit)) ? step.proof : step.eliminations).push_back(Candidate::of(cell, digit));
                }
            }
        }
        step.units = {region.unit};
        if (!direct) {
            return !step.eliminations.empty() && sink.take(std::move(step));
        }
        // Only the digit goes in: the reference rater's path keeps the
        // candidates the set rules out, and the rating follows it.
        step.eliminations.clear();
        return placeFollowingSingle(region, positions, digits, cells, step) && sink.take(std::move(step));
    });
}

}  // namespace

template <int size>
void scanNakedSet(const CandidateGrid& grid, StepSink& sink)
{
    for (int kind : kinds) {
        for (int r = kind; r < kind + 9; ++r) {
            if (emptyCellsIn(grid, regions[r]) >= 2 * size && nakedSetsIn(grid, regions[r], size, sink)) {
                return;
            }
        }
    }
}

template <int size>
void scanHiddenSet(const CandidateGrid& grid, StepSink& sink)
{
    for (int kind : kinds) {
        for (int r = kind; r < kind + 9; ++r) {
            if (emptyCellsIn(grid, regions[r]) > 2 * size && hiddenSetsIn(grid, regions[r], size, false, sink)) {
                return;
            }
        }
    }
}

template <int size>
void scanDirectHiddenSet(const CandidateGrid& grid, StepSink& sink)
{
    for (int kind : kinds) {
        for (int r = kind; r < kind + 9; ++r) {
            if (emptyCellsIn(grid, regions[r]) > size && hiddenSetsIn(grid, regions[r], size, true, sink)) {
                return;
            }
        }
    }
}

template void scanNakedSet<2>(const CandidateGrid&, StepSink&);
template void scanNakedSet<3>(const CandidateGrid&, StepSink&);
template void scanNakedSet<4>(const CandidateGrid&, StepSink&);
template void scanHiddenSet<2>(const CandidateGrid&, StepSink&);
template void scanHiddenSet<3>(const CandidateGrid&, StepSink&);
template void scanHiddenSet<4>(const CandidateGrid&, StepSink&);
template void scanDirectHiddenSet<2>(const CandidateGrid&, StepSink&);
template void scanDirectHiddenSet<3>(const CandidateGrid&, StepSink&);

std::string nakedSetWords(const Step& step, const CandidateGrid&)
{
    const int unit = step.units.front();
    const DigitMask digits = digitsOf(step.proof);
    return "In " + unitName(unit) + ", " + placesIn(unit, cellsOf(step.proof)) + " can only hold "
           + digitList(digits) + " between them, so no other cell of " + unitName(unit) + " can be "
           + digitList(digits, "or") + ": " + struckText(step.eliminations) + ".";
}

std::string hiddenSetWords(const Step& step, const CandidateGrid&)
{
    const int unit = step.units.front();
    const std::vector<int> cells = cellsOf(step.proof);
    std::string text = "In " + unitName(unit) + ", the " + digitList(digitsOf(step.proof)) + " fit only in "
                       + placesIn(unit, cells) + ", so " + (cells.size() == 2 ? "those two cells" : "those cells")
                       + " hold no other digit";
    if (step.placements.empty()) {
        return text + ": " + struckText(step.eliminations) + ".";
    }
    const Candidate placed = step.placements.front();
    return text + "; that leaves " + unitName(unit) + " only " + placesIn(unit, {placed.cell}) + " for its "
           + std::to_string(placed.digit) + ".";
}
