#include "techniques.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// The peers of each cell that come after it in the whole-grid walk.
struct LaterPeers {
    std::array<std::array<std::uint8_t, 20>, 81> cells{};
    std::array<std::uint8_t, 81> count{};
};

constexpr LaterPeers makeLaterPeers()
{
    LaterPeers later;
    for (int cell = 0; cell < 81; ++cell) {
        for (int other = cell + 1; other < 81; ++other) {
            if (columnOf(other) == columnOf(cell) || rowOf(other) == rowOf(cell) ||
                boxUnit(columnOf(other), rowOf(other)) == boxUnit(columnOf(cell), rowOf(cell))) {
                later.cells[cell][later.count[cell]++] = static_cast<std::uint8_t>(other);
            }
        }
    }
    return later;
}

constexpr LaterPeers laterPeers = makeLaterPeers();

void refreshAll(Board& board)
{
    for (int cell = 0; cell < 81; ++cell) {
        board.eliminate(cell);
    }
}

// The hidden-single step of one unit, digit by digit, as written: if the
// digit is missing from the unit and exactly one of its cells, refreshed as
// the walk reaches it, can take the digit, it goes there. The walk stops at
// the second cell that can take it.
void placeHiddenSinglesStepwise(Board& board, int unit)
{
    for (int digit = 1; digit <= 9; ++digit) {
        if (board.present[unit] & digitBit(digit)) {
            continue;
        }
        int count = 0;
        int found = 0;
        for (int cell : unitCells[unit]) {
            board.eliminate(cell);
            if (board.candidates[cell] & digitBit(digit)) {
                found = cell;
                if (++count == 2) {
                    break;
                }
            }
        }
        if (count == 1) {
            board.place(found, digit);
            board.candidates[found] = 0;
            board.progress = 1;
        }
    }
}

// What a refresh of each cell would leave of its candidates, kept current
// as digits are placed, so that the units read it instead of working it out
// again cell by cell.
using Refreshed = std::array<DigitMask, 81>;

Refreshed refreshedNow(const Board& board)
{
    Refreshed refreshed;
    for (int cell = 0; cell < 81; ++cell) {
        refreshed[cell] = board.candidates[cell] & static_cast<DigitMask>(~board.peerMask[cell]);
    }
    return refreshed;
}

// Placing a digit never gives a filled cell digits, so this holds for a
// whole call once it holds at the start.
bool filledCellListsDigit(const Board& board, const Refreshed& refreshed)
{
    DigitMask listed = 0;
    for (int cell = 0; cell < 81; ++cell) {
        listed |= refreshed[cell] & static_cast<DigitMask>(board.value[cell] != 0 ? 0xFFFF : 0);
    }
    return (listed & allDigits) != 0;
}

void placeRefreshed(Board& board, Refreshed& refreshed, int cell, int digit)
{
    board.place(cell, digit);
    board.candidates[cell] = 0;
    board.progress = 1;
    refreshed[cell] = 0;
    for (int peer : peerCells[cell]) {
        refreshed[peer] &= static_cast<DigitMask>(~digitBit(digit));
    }
}

// The same step for all nine digits at once, with the same result, where no
// filled cell lists a digit (else that cell could be given a second value).
// A refresh only takes digits away, and while no digit is placed every
// refresh of a cell gives the same text. A digit with one place walks the
// whole unit, so then every cell is refreshed, and the placements follow
// digit by digit: the filled cell's text is cleared, which may leave a later
// digit with one place; the placed digit is in no other cell's text, so no
// cell needs a further refresh. Without such a digit nothing is placed, and
// the walks come down to one refresh of the cells up to where the longest
// walk stops: the second cell of the last missing digit to be seen twice, or
// the end of the unit when a missing digit has no place.
void placeHiddenSingles(Board& board, Refreshed& refreshed, int unit)
{
    const DigitMask missing = allDigits & static_cast<DigitMask>(~board.present[unit]);
    if (missing == 0) {
        return;
    }
    const auto& cells = unitCells[unit];
    DigitMask once = 0;
    DigitMask twice = 0;
    int beforeStop = 0;  // cells walked before every missing digit is seen twice
    for (int cell : cells) {
        twice |= once & refreshed[cell];
        once |= refreshed[cell];
        beforeStop += (twice & missing) != missing;
    }
    DigitMask single = missing & once & static_cast<DigitMask>(~twice);
    if (single != 0) {
        for (int cell : cells) {
            board.candidates[cell] = refreshed[cell];
        }
        while (single != 0) {
            const int digit = std::countr_zero(static_cast<unsigned>(single));
            for (int cell : cells) {
                if (board.candidates[cell] & digitBit(digit)) {
                    placeRefreshed(board, refreshed, cell, digit);
                    break;
                }
            }
            once = 0;
            twice = 0;
            for (int cell : cells) {
                twice |= once & board.candidates[cell];
                once |= board.candidates[cell];
            }
            const auto later = static_cast<DigitMask>(~(2 * digitBit(digit) - 1));
            single = missing & once & static_cast<DigitMask>(~twice) & later;
        }
        return;
    }
    // Where the walks stop depends on the texts alone, so it is counted and
    // applied without a branch to guess.
    const int reach = beforeStop < 9 ? beforeStop + 1 : 9;
    for (int k = 0; k < 9; ++k) {
        const int cell = cells[k];
        board.candidates[cell] = k < reach ? refreshed[cell] : board.candidates[cell];
    }
}

// Hidden singles in the units from `first` to `last`, in that order.
void placeHiddenSinglesInUnits(Board& board, int first, int last)
{
    Refreshed refreshed = refreshedNow(board);
    const bool stepwise = filledCellListsDigit(board, refreshed);
    for (int unit = first; unit <= last; ++unit) {
        if (stepwise) {
            placeHiddenSinglesStepwise(board, unit);
        } else {
            placeHiddenSingles(board, refreshed, unit);
        }
    }
}

// Removes both digits of the pair from cell r, noting each removal.
void reduceForPair(Board& board, int r, DigitMask pair)
{
    const DigitMask before = board.candidates[r];
    const DigitMask first = static_cast<DigitMask>(pair & -pair);
    const DigitMask second = static_cast<DigitMask>(pair & ~first);
    DigitMask after = before & static_cast<DigitMask>(~first);
    if (after != before) {
        board.progress = 1;
    }
    const DigitMask middle = after;
    after &= static_cast<DigitMask>(~second);
    if (after != middle) {
        board.progress = 1;
    }
    board.candidates[r] = after;
}

bool isPair(DigitMask mask) { return ((mask & testMarker) == 0) & isSingleBit(mask & (mask - 1u)); }

// One sweep over every line of one kind (columns or rows): each cell with a
// two-digit text pairs with every later-found equal text of its line, and
// the pair's digits leave the line's other cells.
void sweepPairs(Board& board, int firstUnit)
{
    for (int line = firstUnit; line < firstUnit + 9; ++line) {
        const auto& cells = unitCells[line];
        // Only the line's own cells change, and only through two equal
        // pairs: a line without them is left as it is.
        DigitMask pairs[9];
        int count = 0;
        for (int cell : cells) {
            pairs[count] = board.candidates[cell];
            count += isPair(board.candidates[cell]) ? 1 : 0;
        }
        bool equalPairs = false;
        for (int a = 1; a < count; ++a) {
            for (int b = 0; b < a; ++b) {
                equalPairs |= pairs[a] == pairs[b];
            }
        }
        if (!equalPairs) {
            continue;
        }
        for (int b = 0; b < 9; ++b) {
            const int p = cells[b];
            if (!isPair(board.candidates[p])) {
                continue;
            }
            for (int c = 0; c < 9; ++c) {
                const int q = cells[c];
                if (c == b || !isPair(board.candidates[q]) || board.candidates[q] != board.candidates[p]) {
                    continue;
                }
                for (int k = 0; k < 9; ++k) {
                    if (k != b && k != c) {
                        reduceForPair(board, cells[k], board.candidates[p]);
                    }
                }
            }
        }
    }
}

template <typename Technique>
int onGrid(Technique technique)
{
    Board board = Board::fromGrid();
    technique(board);
    board.toGrid();
    return board.progress;
}

}  // namespace

int placeBoxSinglesRefreshed(Board& board)
{
    refreshAll(board);
    for (int box = 18; box < 27; ++box) {
        // Placing changes no candidates, so every digit's count comes from
        // the texts as the refresh left them.
        DigitMask once = 0;
        DigitMask twice = 0;
        for (int cell : unitCells[box]) {
            twice |= once & board.candidates[cell];
            once |= board.candidates[cell];
        }
        const DigitMask single = once & static_cast<DigitMask>(~twice) & allDigits;
        for (int digit = 1; digit <= 9; ++digit) {
            if (!(single & digitBit(digit))) {
                continue;
            }
            for (int cell : unitCells[box]) {
                if (board.candidates[cell] & digitBit(digit)) {
                    board.place(cell, digit);
                }
            }
            board.progress = 1;
        }
    }
    return board.progress;
}

int eliminateNakedPairs(Board& board)
{
    refreshAll(board);
    sweepPairs(board, columnUnit(0));
    sweepPairs(board, rowUnit(0));
    sweepPairs(board, columnUnit(0));
    return board.progress;
}

int placeNakedSingles(Board& board)
{
    // Every cell is refreshed at once with the values as they stand; a
    // digit placed on the way then leaves the texts of the peers that the
    // sweep reaches later, as their own refresh would have taken it.
    for (int cell = 0; cell < 81; ++cell) {
        const auto keep = static_cast<DigitMask>(board.value[cell] != 0 ? 0 : 0xFFFF);
        board.candidates[cell] &= static_cast<DigitMask>(~board.peerMask[cell]) & keep;
    }
    // Singles are rare: they are marked all at once, and the sweep jumps
    // from one mark to the next, four cells at a time.
    std::array<std::uint16_t, 84> single{};
    for (int cell = 0; cell < 81; ++cell) {
        single[cell] = isSingleDigit(board.candidates[cell]);
    }
    for (int cell = 0; cell < 81; ++cell) {
        std::uint64_t four = 0;
        std::memcpy(&four, &single[cell], sizeof four);
        if (four == 0) {
            cell += 3;
            continue;
        }
        cell += std::countr_zero(four) / 16;
        const DigitMask digit = board.candidates[cell];
        board.place(cell, std::countr_zero(static_cast<unsigned>(digit)));
        board.candidates[cell] = 0;
        board.progress = 1;
        for (int k = 0; k < laterPeers.count[cell]; ++k) {
            const int peer = laterPeers.cells[cell][k];
            board.candidates[peer] &= static_cast<DigitMask>(~digit);
            single[peer] = isSingleDigit(board.candidates[peer]);
        }
    }
    return board.progress;
}

int placeBoxHiddenSingles(Board& board)
{
    placeHiddenSinglesInUnits(board, boxUnit(0, 0), boxUnit(8, 8));
    return board.progress;
}

int placeLineHiddenSingles(Board& board)
{
    placeHiddenSinglesInUnits(board, columnUnit(0), rowUnit(8));
    return board.progress;
}

int placeBoxSinglesRefreshed() { return onGrid([](Board& b) { placeBoxSinglesRefreshed(b); }); }
int eliminateNakedPairs() { return onGrid([](Board& b) { eliminateNakedPairs(b); }); }
int placeNakedSingles() { return onGrid([](Board& b) { placeNakedSingles(b); }); }
int placeBoxHiddenSingles() { return onGrid([](Board& b) { placeBoxHiddenSingles(b); }); }
int placeLineHiddenSingles() { return onGrid([](Board& b) { placeLineHiddenSingles(b); }); }
