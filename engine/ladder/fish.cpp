#include "fish.h"

#include "combinations.h"
#include "regions.h"
#include "words.h"

#include <bit>

namespace {

// Base lines from `baseKind`, crossing lines from `coverKind`; line tuples in
// their order, digits rising within a tuple.
bool fishIn(const CandidateGrid& grid, int size, int baseKind, int coverKind, StepSink& sink)
{
    unsigned positions[10][9] = {};
    std::uint32_t usable[10] = {};
    for (int digit = 1; digit <= 9; ++digit) {
        int placed = 0;
        for (std::uint8_t value : grid.value) {
            placed += value == digit ? 1 : 0;
        }
        if (placed + 2 * size > 9) {
            continue;
        }
        for (int line = 0; line < 9; ++line) {
            positions[digit][line] = positionsOf(grid.candidates.data(), regions[baseKind + line], digit);
            const int count = std::popcount(positions[digit][line]);
            usable[digit] |= (count >= 2 && count <= size ? 1u : 0u) << line;
        }
    }
    return forEachSubset(0x1FF, size, [&](std::uint32_t lines) {
        for (int digit = 1; digit <= 9; ++digit) {
            if ((lines & ~usable[digit]) != 0) {
                continue;
            }
            unsigned covers = 0;
            CellSet base;
            for (std::uint32_t rest = lines; rest != 0; rest &= rest - 1) {
                covers |= positions[digit][std::countr_zero(rest)];
                base |= regions[baseKind + std::countr_zero(rest)].set;
            }
            if (std::popcount(covers) != size) {
                continue;
            }
            Step step;
            for (std::uint32_t rest = lines; rest != 0; rest &= rest - 1) {
                step.units.push_back(regions[baseKind + std::countr_zero(rest)].unit);
            }
            for (std::uint32_t rest = covers; rest != 0; rest &= rest - 1) {
                const Region& cover = regions[coverKind + std::countr_zero(rest)];
                step.units.push_back(cover.unit);
                for (int cell : grid.cellsOf[digit] & cover.set & ~base) {
                    step.eliminations.push_back(Candidate::of(cell, digit));
                }
            }
            if (step.eliminations.empty()) {
                continue;
            }
            for (int cell : grid.cellsOf[digit] & base) {
                step.proof.push_back(Candidate::of(cell, digit));
            }
            if (sink.take(std::move(step))) {
                return true;
            }
        }
        return false;
    });
}

}  // namespace

template <int size>
void scanFish(const CandidateGrid& grid, StepSink& sink)
{
    fishIn(grid, size, firstColumn, firstRow, sink) || fishIn(grid, size, firstRow, firstColumn, sink);
}

template void scanFish<2>(const CandidateGrid&, StepSink&);
template void scanFish<3>(const CandidateGrid&, StepSink&);
template void scanFish<4>(const CandidateGrid&, StepSink&);

std::string fishWords(const Step& step, const CandidateGrid&)
{
    const std::size_t size = step.units.size() / 2;
    const std::vector<int> base(step.units.begin(), step.units.begin() + static_cast<long>(size));
    const std::vector<int> cover(step.units.begin() + static_cast<long>(size), step.units.end());
    const std::string digit = std::to_string(step.proof.front().digit);
    return "In " + unitsName(base) + ", the " + digit + " fits only in " + unitsName(cover)
           + ", so those " + countWord(static_cast<int>(size)) + " " + (cover.front() < rowUnit(0) ? "columns" : "rows")
           + " have their " + digit + "s there: " + struckText(step.eliminations) + ".";
}
