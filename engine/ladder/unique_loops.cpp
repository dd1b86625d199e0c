#include "unique_loops.h"

#include "clashes.h"
#include "combinations.h"
#include "regions.h"
#include "words.h"

#include <algorithm>
#include <bit>

namespace {

// The rating before it is rounded to tenths: the ties between types are
// broken on these sums, as the reference rater breaks them.
double loopDifficulty(std::size_t length)
{
    double difficulty = 4.5;
    if (length >= 10) {
        difficulty += 0.3;
    }
    if (length >= 8) {
        difficulty += 0.2;
    } else if (length >= 6) {
        difficulty += 0.1;
    }
    return difficulty;
}

struct Found {
    double difficulty;
    int type;
    Step step;
};


// Every closed path of cells that hold both digits, from the start cell:
// each next cell in a box, row or column of the last other than the one the
// last two share; at most two cells with other digits, or any number that
// add just one other digit between them (as counted over every cell looked
// at from the same cell, which the reference search does too).
class LoopSearch {
public:
    LoopSearch(const CandidateGrid& grid, DigitMask pair, std::vector<std::vector<int>>& loops)
        : grid_(grid), pair_(pair), loops_(loops)
    {
    }

    void extend(int cell, int allowedExtra, DigitMask extra, int lastKind)
    {
        const std::uint32_t cellRegions = regionMask(cell);
        seen_[loop_.size() % 2] ^= cellRegions;
        loop_.push_back(cell);
        inLoop_.add(cell);
        for (int kind = 0; kind < 3; ++kind) {
            if (kind == lastKind) {
                continue;
            }
            for (int next : regions[regionsOfCell[cell][kind]].cells) {
                if (next == loop_.front() && loop_.size() >= 4) {
                    loops_.push_back(loop_);
                } else if (!inLoop_.has(next) && (grid_.candidates[next] & pair_) == pair_) {
                    const DigitMask digits = grid_.candidates[next];
                    extra |= digits & ~pair_;
                    const bool more = std::popcount(digits) > 2;
                    // A path that meets a region twice at places of the same
                    // parity closes into no valid loop: it is not followed.
                    const bool valid = (regionMask(next) & seen_[loop_.size() % 2]) == 0;
                    if (valid && (!more || std::popcount(extra) == 1 || allowedExtra > 0)) {
                        extend(next, allowedExtra - (more ? 1 : 0), extra, kind);
                    }
                }
            }
        }
        inLoop_.remove(cell);
        loop_.pop_back();
        seen_[loop_.size() % 2] ^= cellRegions;
    }

private:
    const CandidateGrid& grid_;
    DigitMask pair_;
    std::vector<std::vector<int>>& loops_;
    static std::uint32_t regionMask(int cell)
    {
        std::uint32_t mask = 0;
        for (int region : regionsOfCell[cell]) {
            mask |= std::uint32_t{1} << region;
        }
        return mask;
    }

    std::vector<int> loop_;
    CellSet inLoop_;
    std::uint32_t seen_[2] = {0, 0};  // the regions met at even and at odd places of the path
};

// Every region a cell of the loop stands in is met by exactly two of its
// cells, one at an even and one at an odd place.
bool isValidLoop(const std::vector<int>& loop)
{
    std::uint32_t seen[2] = {0, 0};
    for (std::size_t k = 0; k < loop.size(); ++k) {
        for (int region : regionsOfCell[loop[k]]) {
            const std::uint32_t bit = std::uint32_t{1} << region;
            if (seen[k % 2] & bit) {
                return false;
            }
            seen[k % 2] |= bit;
        }
    }
    return seen[0] == seen[1];
}

class LoopSteps {
public:
    LoopSteps(const CandidateGrid& grid, const std::vector<int>& loop, int v1, int v2, std::vector<Found>& found)
        : grid_(grid), loop_(loop), v1_(v1), v2_(v2), found_(found)
    {
        for (int cell : loop) {
            if (std::popcount(grid.candidates[cell]) > 2) {
                extraCells_.push_back(cell);
            }
        }
    }

    void addAll()
    {
        const DigitMask pair = digitBit(v1_) | digitBit(v2_);
        if (extraCells_.size() == 1) {
            const int rescue = extraCells_.front();
            add(1, 0.0, {}, {Candidate::of(rescue, v1_), Candidate::of(rescue, v2_)}, {});
        } else if (extraCells_.size() > 2) {
            addType2();
        } else if (extraCells_.size() == 2) {
            const DigitMask extra = (grid_.candidates[extraCells_[0]] | grid_.candidates[extraCells_[1]]) & ~pair;
            if (std::popcount(extra) == 1) {
                addType2();
            } else if (std::popcount(extra) >= 2) {
                addType3(extra);
            }
            addType4();
        }
    }

private:
    void add(int type, double added, std::vector<int> units, std::vector<Candidate> eliminations,
             std::vector<Candidate> setCandidates)
    {
        if (eliminations.empty()) {
            return;
        }
        Step step;
        for (int cell : loop_) {
            step.proof.push_back(Candidate::of(cell, v1_));
            step.proof.push_back(Candidate::of(cell, v2_));
        }
        step.proof.insert(step.proof.end(), setCandidates.begin(), setCandidates.end());
        step.eliminations = std::move(eliminations);
        step.units = std::move(units);
        step.cells = loop_;
        step.form = type;
        const double difficulty = loopDifficulty(loop_.size()) + added;
        step.rating = static_cast<int>(difficulty * 10 + 0.5);
        found_.push_back({difficulty, type, std::move(step)});
    }

    // One of the cells with other digits holds the one other digit: no cell
    // that sees them all can.
    void addType2()
    {
        const DigitMask pair = digitBit(v1_) | digitBit(v2_);
        const int value = std::countr_zero(static_cast<unsigned>(grid_.candidates[extraCells_[0]] & ~pair));
        CellSet seeing = CellSet::all();
        for (int cell : extraCells_) {
            seeing &= peerSet[cell];
        }
        std::vector<Candidate> eliminations;
        for (int cell : seeing & grid_.cellsOf[value]) {
            eliminations.push_back(Candidate::of(cell, value));
        }
        add(2, 0.0, {}, std::move(eliminations), {});
    }

    // The two cells' other digits act as one cell of a naked set, or their
    // pair digits as part of a hidden set, in a region they share.
    void addType3(DigitMask extra)
    {
        const int c1 = extraCells_[0];
        const int c2 = extraCells_[1];
        // A hidden set's size counts the cells it takes, not the other
        // digits: a pair can be hidden beside three other digits.
        for (int size = 2; size <= 7; ++size) {
            for (int kind = 0; kind < 3; ++kind) {
                const int r = regionsOfCell[c1][kind];
                if (r != regionsOfCell[c2][kind]) {
                    continue;
                }
                const Region& region = regions[r];
                int empty = 0;
                int index1 = 0;
                int index2 = 0;
                for (int i = 0; i < 9; ++i) {
                    empty += grid_.value[region.cells[i]] == 0 ? 1 : 0;
                    index1 = region.cells[i] == c1 ? i : index1;
                    index2 = region.cells[i] == c2 ? i : index2;
                }
                if (size >= std::popcount(extra) && 2 * size <= empty) {
                    addNakedType3(region, size, extra, index1, index2);
                }
                if (2 * size < empty) {
                    addHiddenType3(region, size, extra, index1, index2);
                }
            }
        }
    }

    void addNakedType3(const Region& region, int size, DigitMask extra, int index1, int index2)
    {
        const int c1 = region.cells[index1];
        const int c2 = region.cells[index2];
        const std::uint32_t others = 0x1FF & ~(1u << index2);
        forEachSubset(others, size, [&](std::uint32_t set) {
            if (!((set >> index1) & 1)) {
                return false;
            }
            DigitMask naked = extra & grid_.candidates[c1] & grid_.candidates[c2];
            DigitMask all = extra;
            for (std::uint32_t rest = set & ~(1u << index1); rest != 0; rest &= rest - 1) {
                const DigitMask digits = grid_.candidates[region.cells[std::countr_zero(rest)]];
                if (std::popcount(digits) <= 1) {
                    return false;
                }
                naked |= digits;
                all |= digits;
            }
            if (std::popcount(naked) != size || std::popcount(all) != size) {
                return false;
            }
            std::vector<Candidate> setCandidates;
            std::vector<Candidate> eliminations;
            for (int i = 0; i < 9; ++i) {
                const int cell = region.cells[i];
                for (int digit = 1; digit <= 9; ++digit) {
                    if (!grid_.has(cell, digit) || !(all & digitBit(digit)) || cell == c1 || cell == c2) {
                        continue;
                    }
                    ((set >> i) & 1 ? setCandidates : eliminations).push_back(Candidate::of(cell, digit));
                }
            }
            add(3, (size - 1) * 0.1, {region.unit}, std::move(eliminations), std::move(setCandidates));
            return false;
        });
    }

    void addHiddenType3(const Region& region, int size, DigitMask extra, int index1, int index2)
    {
        const DigitMask pair = digitBit(v1_) | digitBit(v2_);
        const auto rest = static_cast<std::uint32_t>(allDigits & ~pair & ~extra);
        const auto visit = [&](std::uint32_t chosen) {
            const DigitMask hidden = static_cast<DigitMask>(chosen | pair);
            unsigned cells = 0;
            for (int digit = 1; digit <= 9; ++digit) {
                if (hidden & digitBit(digit)) {
                    const unsigned places = positionsOf(grid_.candidates.data(), region, digit) & ~(1u << index2);
                    if (places == 0) {
                        return false;
                    }
                    cells |= places;
                }
            }
            if (std::popcount(cells) != size) {
                return false;
            }
            cells &= ~(1u << index1);
            std::vector<Candidate> setCandidates;
            std::vector<Candidate> eliminations;
            for (int i = 0; i < 9; ++i) {
                const int cell = region.cells[i];
                for (int digit = 1; (cells >> i) & 1 && digit <= 9; ++digit) {
                    if (grid_.has(cell, digit)) {
                        auto& list = (hidden & digitBit(digit)) ? setCandidates : eliminations;
                        list.push_back(Candidate::of(cell, digit));
                    }
                }
            }
            add(3, (std::popcount(cells) - 1) * 0.1, {region.unit}, std::move(eliminations), std::move(setCandidates));
            return false;
        };
        if (size == 2) {
            visit(0);
        } else {
            forEachSubset(rest, size - 2, visit);
        }
    }

    // In a region the two cells share, one pair digit fits only in them: one
    // of them holds it, so neither holds the other pair digit.
    void addType4()
    {
        const int c1 = extraCells_[0];
        const int c2 = extraCells_[1];
        int lockedFirst = -1;
        int lockedSecond = -1;
        for (int kind = 0; kind < 3; ++kind) {
            const int r = regionsOfCell[c1][kind];
            if (r != regionsOfCell[c2][kind]) {
                continue;
            }
            const CellSet rest = regions[r].set & ~CellSet::of(c1) & ~CellSet::of(c2);
            lockedFirst = (rest & grid_.cellsOf[v1_]).empty() ? r : lockedFirst;
            lockedSecond = (rest & grid_.cellsOf[v2_]).empty() ? r : lockedSecond;
        }
        const int region = lockedFirst >= 0 ? lockedFirst : lockedSecond;
        if (region < 0) {
            return;
        }
        const int lock = lockedFirst >= 0 ? v1_ : v2_;
        const int struck = lockedFirst >= 0 ? v2_ : v1_;
        add(4, 0.0, {regions[region].unit}, {Candidate::of(c1, struck), Candidate::of(c2, struck)},
            {Candidate::of(c1, lock), Candidate::of(c2, lock)});
    }

    const CandidateGrid& grid_;
    const std::vector<int>& loop_;
    int v1_;
    int v2_;
    std::vector<Found>& found_;
    std::vector<int> extraCells_;
};

}  // namespace

void scanUniqueLoops(const CandidateGrid& grid, StepSink& sink)
{
    std::vector<Found> found;
    std::vector<std::vector<int>> loops;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const int start = cellIndex(column, row);
            const DigitMask pair = grid.candidates[start];
            if (std::popcount(pair) != 2) {
                continue;
            }
            loops.clear();
            LoopSearch(grid, pair, loops).extend(start, 2, 0, -1);
            const int v1 = std::countr_zero(static_cast<unsigned>(pair));
            const int v2 = std::countr_zero(static_cast<unsigned>(pair & (pair - 1)));
            for (const std::vector<int>& loop : loops) {
                if (isValidLoop(loop)) {
                    LoopSteps(grid, loop, v1, v2, found).addAll();
                }
            }
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.difficulty != b.difficulty ? a.difficulty < b.difficulty : a.type < b.type;
    });
    for (Found& each : found) {
        if (sink.take(std::move(each.step))) {
            return;
        }
    }
}

std::string uniqueLoopWords(const Step& step, const CandidateGrid& grid)
{
    const DigitMask pair = digitBit(step.proof[0].digit) | digitBit(step.proof[1].digit);
    const std::string shape =
        step.cells.size() == 4 ? "a rectangle" : "a loop of " + std::to_string(step.cells.size()) + " cells";
    std::vector<int> extraCells;
    for (int cell : step.cells) {
        if (grid.candidates[cell] & ~pair) {
            extraCells.push_back(cell);
        }
    }
    std::string text = capitalised(cellList(step.cells)) + " make " + shape + " on " + digitList(pair)
                       + ": if they held nothing else, the two digits could swap places and the puzzle would have two "
                         "solutions. ";
    const std::string struck = struckText(step.eliminations);
    switch (step.form) {
    case 1:
        return text + "So " + cellName(extraCells.front()) + " keeps another digit: it cannot be "
               + digitList(pair, "or") + ".";
    case 2:
        return text + "So one of " + cellList(extraCells) + " is " + std::to_string(step.eliminations.front().digit)
               + ", and " + struck + ".";
    case 3: {
        const DigitMask others = (grid.candidates[extraCells[0]] | grid.candidates[extraCells[1]]) & ~pair;
        // The proof holds the loop's pair digits, two a cell, then the set's.
        const auto setStart = step.proof.begin() + 2 * static_cast<long>(step.cells.size());
        const std::vector<Candidate> set(setStart, step.proof.end());
        const std::vector<int> setCells = cellsOf(set);
        const DigitMask setDigits = digitsOf(set);
        const std::string unit = unitName(step.units.front());
        if ((setDigits & pair) == pair) {
            return text + "So one of " + cellList(extraCells) + " is " + digitList(others, "or")
                   + " and the other holds " + digitList(pair, "or") + "; then in " + unit + " the "
                   + digitList(setDigits) + " fit only in that cell and " + cellList(setCells) + ", so " + struck + ".";
        }
        return text + "So one of " + cellList(extraCells) + " is " + digitList(others, "or") + ", which with "
               + cellList(setCells) + " makes " + std::to_string(setCells.size() + 1) + " cells of " + unit
               + " that hold only " + digitList(setDigits) + ", so " + struck + ".";
    }
    default: {
        const int lock = step.proof[2 * step.cells.size()].digit;
        return text + "In " + unitName(step.units.front()) + " the " + std::to_string(lock) + " fits only in "
               + placesIn(step.units.front(), extraCells) + ", so one of them is " + std::to_string(lock)
               + ", and neither can be " + std::to_string(step.eliminations.front().digit) + ".";
    }
    }
}
