#include "aligned_triplets.h"

#include "board.h"
#include "regions.h"
#include "time_limit.h"

#include <array>

namespace {

// Whether the set holds two cells or more: with its lowest cell taken away,
// some remain.
constexpr bool twoOrMore(CellSet set)
{
    if (set.low != 0) {
        return (set.low & (set.low - 1)) != 0 || set.high != 0;
    }
    return (set.high & (set.high - 1)) != 0;
}

class TripletSearch {
public:
    explicit TripletSearch(const CandidateGrid& grid) : grid_(grid) {}

    // Hands each step to the sink in the ladder's order until it says stop.
    void run(StepSink& sink)
    {
        collectBaseCells();
        if (baseCount_ < 3) {
            return;
        }
        for (int second = 1; second < baseCount_; ++second) {
            checkTimeLimit();
            for (int first = 0; first < second; ++first) {
                if (tryPair(bases_[first], bases_[second], sink)) {
                    return;
                }
            }
        }
    }

private:
    // Cells of two digits or more with an excluder and no naked single
    // among their peers, in reading order.
    void collectBaseCells()
    {
        for (int cell = 0; cell < 81; ++cell) {
            digits_[cell] = bitTotal(grid_.candidates[cell]);
        }
        for (int row = 0; row < 9; ++row) {
            for (int column = 0; column < 9; ++column) {
                const int cell = cellIndex(column, row);
                if (digits_[cell] < 2) {
                    continue;
                }
                CellSet excluders;
                bool single = false;
                for (int peer : housePeers[cell]) {
                    single = single || digits_[peer] == 1;
                    if (digits_[peer] == 2 || digits_[peer] == 3) {
                        excluders.add(peer);
                    }
                }
                if (!single && !excluders.empty()) {
                    baseSet_.add(cell);
                    excluders_[cell] = excluders;
                    bases_[baseCount_++] = cell;
                }
            }
        }
        for (int i = 0; i < baseCount_; ++i) {
            const int cell = bases_[i];
            for (int peer : housePeers[cell]) {
                if (excluders_[cell].has(peer) && baseSet_.has(peer)) {
                    thirds_[cell][thirdCount_[cell]++] = static_cast<std::uint8_t>(peer);
                }
            }
        }
    }

    // Whether the sink said stop.
    bool tryPair(int first, int second, StepSink& sink)
    {
        const CellSet shared = excluders_[first] & excluders_[second];
        if (!twoOrMore(shared)) {
            return false;
        }
        // Third cells: base cells that either of the two sees, in the order
        // of the first's excluders, then the second's.
        CellSet taken = CellSet::of(first) | CellSet::of(second);
        for (int base : {first, second}) {
            for (int i = 0; i < thirdCount_[base]; ++i) {
                const int cell = thirds_[base][i];
                if (taken.has(cell)) {
                    continue;
                }
                taken.add(cell);
                const CellSet common = shared & excluders_[cell];
                if (!twoOrMore(common)) {
                    continue;
                }
                if (std::optional<Step> step = exclude({first, second, cell}, common)) {
                    if (sink.take(std::move(*step))) {
                        return true;
                    }
                }
            }
        }
        return false;
    }

    std::optional<Step> exclude(const std::array<int, 3>& cells, CellSet common) const
    {
        std::array<DigitMask, 3> allowed{};
        const DigitMask a = grid_.candidates[cells[0]];
        const DigitMask b = grid_.candidates[cells[1]];
        const DigitMask c = grid_.candidates[cells[2]];
        const bool seesAB = peerSet[cells[0]].has(cells[1]);
        const bool seesAC = peerSet[cells[0]].has(cells[2]);
        const bool seesBC = peerSet[cells[1]].has(cells[2]);
        std::array<DigitMask, 20> excluders{};
        int excluderCount = 0;
        for (int excluder : common) {
            excluders[excluderCount++] = grid_.candidates[excluder];
        }
        // Ways of filling the three, as the digits each cell takes: for each
        // digit of the first two, the third's digits that remain.
        for (unsigned xs = a; xs != 0; xs &= xs - 1) {
            const DigitMask x = static_cast<DigitMask>(xs & -xs);
            for (unsigned ys = b; ys != 0; ys &= ys - 1) {
                const DigitMask y = static_cast<DigitMask>(ys & -ys);
                if (x == y && seesAB) {
                    continue;
                }
                const DigitMask pair = static_cast<DigitMask>(x | y);
                DigitMask blocked = static_cast<DigitMask>((seesAC ? x : 0) | (seesBC ? y : 0));
                for (int i = 0; i < excluderCount; ++i) {
                    const DigitMask missing = static_cast<DigitMask>(excluders[i] & ~pair);
                    if (missing == 0) {
                        blocked = allDigits;
                    } else if (isSingleBit(missing)) {
                        blocked |= missing;
                    }
                }
                const DigitMask open = static_cast<DigitMask>(c & ~blocked);
                if (open != 0) {
                    allowed[0] |= x;
                    allowed[1] |= y;
                    allowed[2] |= open;
                    if (allowed[0] == a && allowed[1] == b && allowed[2] == c) {
                        return std::nullopt;  // every digit has a way: nothing goes
                    }
                }
            }
        }
        Step step;
        for (int i = 0; i < 3; ++i) {
            const DigitMask gone = static_cast<DigitMask>(grid_.candidates[cells[i]] & ~allowed[i]);
            for (int digit = 1; digit <= 9; ++digit) {
                if (gone & digitBit(digit)) {
                    step.eliminations.push_back(
                        {static_cast<std::uint8_t>(cells[i]), static_cast<std::uint8_t>(digit)});
                }
            }
        }
        if (step.eliminations.empty()) {
            return std::nullopt;
        }
        for (int cell : cells) {
            addCandidates(step, cell);
        }
        for (int excluder : common) {
            addCandidates(step, excluder);
        }
        step.cells.assign(cells.begin(), cells.end());
        step.rating = 75;
        return step;
    }

    void addCandidates(Step& step, int cell) const
    {
        for (int digit = 1; digit <= 9; ++digit) {
            if (grid_.has(cell, digit)) {
                step.proof.push_back({static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(digit)});
            }
        }
    }

    const CandidateGrid& grid_;
    std::array<int, 81> digits_{};
    std::array<int, 81> bases_{};
    int baseCount_ = 0;
    CellSet baseSet_;
    std::array<CellSet, 81> excluders_{};
    // Each base cell's excluders that are base cells, in walking order.
    std::array<std::array<std::uint8_t, 20>, 81> thirds_{};
    std::array<int, 81> thirdCount_{};
};

}  // namespace

void scanAlignedTriplets(const CandidateGrid& grid, StepSink& sink) { TripletSearch(grid).run(sink); }
