#include "subset_strikes.h"

#include "regions.h"

#include <array>

namespace {

// The regions of a kind as the rules walk them, by their first index.
constexpr int kinds[] = {firstBox, firstColumn, firstRow};

// The places of the digit in the region, a bit a place.
unsigned placesOf(const CandidateGrid& grid, const Region& region, int digit)
{
    return positionsOf(grid.candidates.data(), region, digit);
}

Candidate candidateAt(int cell, int digit)
{
    return {static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(digit)};
}

class SubsetRules {
public:
    SubsetRules(const CandidateGrid& source, const CandidateGrid& work, const SubsetStrikes& take)
        : source_(source), work_(work), take_(take)
    {
    }

    bool run()
    {
        lockedCandidates();
        if (found_) {
            return true;
        }
        for (int first : kinds) {
            for (int n = 0; n < 9; ++n) {
                hiddenPairs(regions[first + n]);
            }
        }
        if (found_) {
            return true;
        }
        for (int first : kinds) {
            for (int n = 0; n < 9; ++n) {
                nakedPairs(regions[first + n]);
            }
        }
        if (found_) {
            return true;
        }
        xWings(firstColumn, firstRow);
        xWings(firstRow, firstColumn);
        return found_;
    }

private:
    void offer()
    {
        if (!struck_.empty() && !reasons_.empty()) {
            found_ = true;
            take_(struck_, reasons_);
        }
    }

    // The digit's places in `base` struck by the chain outside `cover`.
    void addStruckPlaces(const Region& base, CellSet cover, int digit)
    {
        for (int cell : base.cells) {
            if (source_.has(cell, digit) && !work_.has(cell, digit) && !cover.has(cell)) {
                reasons_.push_back(nodeOf(cell, digit, false));
            }
        }
    }

    // Pointing (box, then line) and claiming (line, then box): all places of
    // a digit in the first region lie in the second, so it leaves the rest
    // of the second.
    void lockedCandidates()
    {
        for (int lines : {firstColumn, firstRow}) {
            for (int b = 0; b < 9; ++b) {
                for (int n = 0; n < 9; ++n) {
                    locked(regions[firstBox + b], regions[lines + n]);
                }
            }
        }
        for (int lines : {firstColumn, firstRow}) {
            for (int n = 0; n < 9; ++n) {
                for (int b = 0; b < 9; ++b) {
                    locked(regions[lines + n], regions[firstBox + b]);
                }
            }
        }
    }

    void locked(const Region& base, const Region& cover)
    {
        if ((base.set & cover.set).empty()) {
            return;
        }
        for (int digit = 1; digit <= 9; ++digit) {
            const CellSet places = base.set & work_.cellsOf[digit];
            if (places.size() < 2 || !(places & ~cover.set).empty()) {
                continue;
            }
            struck_.clear();
            reasons_.clear();
            for (int cell : cover.cells) {
                if (!base.set.has(cell) && work_.has(cell, digit)) {
                    struck_.push_back(candidateAt(cell, digit));
                }
            }
            if (!struck_.empty()) {
                addStruckPlaces(base, cover.set, digit);
                offer();
            }
        }
    }

    // Two digits with the same two places (and no fewer) in a region: the
    // two cells hold nothing else.
    void hiddenPairs(const Region& region)
    {
        if (emptyCellsIn(source_, region) <= 4) {
            return;
        }
        for (int high = 2; high <= 9; ++high) {
            for (int low = 1; low < high; ++low) {
                const unsigned lowPlaces = placesOf(work_, region, low);
                const unsigned highPlaces = placesOf(work_, region, high);
                const unsigned places = lowPlaces | highPlaces;
                if (bitTotal(lowPlaces) < 2 || bitTotal(highPlaces) < 2 || bitTotal(places) != 2) {
                    continue;
                }
                struck_.clear();
                reasons_.clear();
                const DigitMask pair = static_cast<DigitMask>(digitBit(low) | digitBit(high));
                for (int i = 0; i < 9; ++i) {
                    if ((places >> i) & 1) {
                        const int cell = region.cells[i];
                        for (int digit = 1; digit <= 9; ++digit) {
                            if (!(pair & digitBit(digit)) && work_.has(cell, digit)) {
                                struck_.push_back(candidateAt(cell, digit));
                            }
                        }
                    }
                }
                if (struck_.empty()) {
                    continue;
                }
                for (int i = 0; i < 9; ++i) {
                    if (!((places >> i) & 1)) {
                        for (int digit : {low, high}) {
                            if (source_.has(region.cells[i], digit)) {
                                reasons_.push_back(nodeOf(region.cells[i], digit, false));
                            }
                        }
                    }
                }
                offer();
            }
        }
    }

    // Two cells of a region with the same two digits (and no fewer): the
    // digits leave the region's other cells.
    void nakedPairs(const Region& region)
    {
        if (emptyCellsIn(source_, region) < 4) {
            return;
        }
        for (int second = 1; second < 9; ++second) {
            for (int first = 0; first < second; ++first) {
                const int a = region.cells[first];
                const int b = region.cells[second];
                const DigitMask pair = static_cast<DigitMask>(work_.candidates[a] | work_.candidates[b]);
                if (bitTotal(work_.candidates[a]) < 2 || bitTotal(work_.candidates[b]) < 2 || bitTotal(pair) != 2) {
                    continue;
                }
                struck_.clear();
                reasons_.clear();
                for (int cell : region.cells) {
                    if (cell != a && cell != b) {
                        for (int digit = 1; digit <= 9; ++digit) {
                            if ((pair & digitBit(digit)) && work_.has(cell, digit)) {
                                struck_.push_back(candidateAt(cell, digit));
                            }
                        }
                    }
                }
                if (struck_.empty()) {
                    continue;
                }
                for (int cell : {a, b}) {
                    for (int digit = 1; digit <= 9; ++digit) {
                        if (source_.has(cell, digit) && !(pair & digitBit(digit))) {
                            reasons_.push_back(nodeOf(cell, digit, false));
                        }
                    }
                }
                offer();
            }
        }
    }

    // Two base lines whose places for a digit (two or more each) lie in two
    // cover lines: the digit leaves the cover lines' other cells.
    void xWings(int firstBase, int firstCover)
    {
        const Region* bases = &regions[firstBase];
        const Region* covers = &regions[firstCover];
        for (int digit = 1; digit <= 9; ++digit) {
            int placed = 0;
            for (int cell = 0; cell < 81; ++cell) {
                placed += source_.value[cell] == digit;
            }
            placedCount_[digit] = placed;
        }
        for (int second = 1; second < 9; ++second) {
            for (int first = 0; first < second; ++first) {
                for (int digit = 1; digit <= 9; ++digit) {
                    if (placedCount_[digit] + 4 > 9) {
                        continue;
                    }
                    const unsigned firstPlaces = placesOf(work_, bases[first], digit);
                    const unsigned secondPlaces = placesOf(work_, bases[second], digit);
                    const unsigned lines = firstPlaces | secondPlaces;
                    if (bitTotal(firstPlaces) < 2 || bitTotal(secondPlaces) < 2 || bitTotal(lines) != 2) {
                        continue;
                    }
                    const CellSet baseCells = bases[first].set | bases[second].set;
                    CellSet coverCells;
                    struck_.clear();
                    reasons_.clear();
                    for (int i = 0; i < 9; ++i) {
                        if ((lines >> i) & 1) {
                            coverCells |= covers[i].set;
                            for (int cell : covers[i].cells) {
                                if (!baseCells.has(cell) && work_.has(cell, digit)) {
                                    struck_.push_back(candidateAt(cell, digit));
                                }
                            }
                        }
                    }
                    if (struck_.empty()) {
                        continue;
                    }
                    addStruckPlaces(bases[first], coverCells, digit);
                    addStruckPlaces(bases[second], coverCells, digit);
                    offer();
                }
            }
        }
    }

    const CandidateGrid& source_;
    const CandidateGrid& work_;
    const SubsetStrikes& take_;
    std::vector<Candidate> struck_;
    std::vector<Node> reasons_;
    std::array<int, 10> placedCount_{};
    bool found_ = false;
};

}  // namespace

void forFirstSubsetStrikes(const CandidateGrid& source, const CandidateGrid& work, const SubsetStrikes& take)
{
    SubsetRules(source, work, take).run();
}
