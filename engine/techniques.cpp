#include "techniques.h"

#include <bit>

namespace {

bool isSingleDigit(DigitMask mask) { return ((mask & testMarker) == 0) & isSingleBit(mask); }

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

// The same step for all nine digits at once, with the same result. A refresh
// only takes digits away, and while no digit is placed every refresh of a
// cell gives the same text. A digit with one place walks the whole unit, so
// then every cell is refreshed, and the placements follow digit by digit:
// the filled cell's text is cleared, which may leave a later digit with one
// place; the placed digit is in no other cell's text, so no cell needs a
// further refresh. Without such a digit nothing is placed, and the walks
// come down to one refresh of the cells up to where the longest walk stops:
// the second cell of the last missing digit to be seen twice, or the end of
// the unit when a missing digit has no place. A unit where a filled cell
// still lists a digit goes digit by digit: that cell could be given a
// second value.
void placeHiddenSingles(Board& board, int unit)
{
    const DigitMask missing = allDigits & static_cast<DigitMask>(~board.present[unit]);
    if (missing == 0) {
        return;
    }
    const auto& cells = unitCells[unit];
    DigitMask refreshed[9];
    DigitMask once = 0;
    DigitMask twice = 0;
    DigitMask filledWithDigits = 0;
    for (int k = 0; k < 9; ++k) {
        const int cell = cells[k];
        refreshed[k] = board.candidates[cell] & static_cast<DigitMask>(~board.peerDigits(cell));
        twice |= once & refreshed[k];
        once |= refreshed[k];
        filledWithDigits |= refreshed[k] & static_cast<DigitMask>(board.value[cell] != 0 ? 0xFFFF : 0);
    }
    if ((filledWithDigits & allDigits) != 0) {
        placeHiddenSinglesStepwise(board, unit);
        return;
    }
    DigitMask single = missing & once & static_cast<DigitMask>(~twice);
    if (single != 0) {
        for (int k = 0; k < 9; ++k) {
            board.candidates[cells[k]] = refreshed[k];
        }
        while (single != 0) {
            const int digit = std::countr_zero(static_cast<unsigned>(single));
            for (int cell : cells) {
                if (board.candidates[cell] & digitBit(digit)) {
                    board.place(cell, digit);
                    board.candidates[cell] = 0;
                    board.progress = 1;
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
    int reach = 9;
    if ((missing & static_cast<DigitMask>(~once)) == 0) {
        DigitMask seen = 0;
        DigitMask seenTwice = 0;
        for (reach = 0; (seenTwice & missing) != missing; ++reach) {
            seenTwice |= seen & refreshed[reach];
            seen |= refreshed[reach];
        }
    }
    for (int k = 0; k < reach; ++k) {
        board.candidates[cells[k]] = refreshed[k];
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
        // Only the line's own cells change, so a line without two pairs
        // cannot come to have them.
        int pairs = 0;
        for (int cell : cells) {
            pairs += isPair(board.candidates[cell]) ? 1 : 0;
        }
        if (pairs < 2) {
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
    // Filled and empty cells lie in no pattern a branch could learn, so
    // both work out the refreshed text and a mask picks the one to keep.
    for (int cell = 0; cell < 81; ++cell) {
        const auto keep = static_cast<DigitMask>(board.value[cell] != 0 ? 0 : 0xFFFF);
        const DigitMask refreshed = board.candidates[cell] & static_cast<DigitMask>(~board.peerDigits(cell)) & keep;
        board.candidates[cell] = refreshed;
        if (isSingleDigit(refreshed)) {
            board.place(cell, std::countr_zero(static_cast<unsigned>(refreshed)));
            board.candidates[cell] = 0;
            board.progress = 1;
        }
    }
    return board.progress;
}

int placeBoxHiddenSingles(Board& board)
{
    for (int box = 18; box < 27; ++box) {
        placeHiddenSingles(board, box);
    }
    return board.progress;
}

int placeLineHiddenSingles(Board& board)
{
    for (int line = columnUnit(0); line < rowUnit(0) + 9; ++line) {
        placeHiddenSingles(board, line);
    }
    return board.progress;
}

int placeBoxSinglesRefreshed() { return onGrid([](Board& b) { placeBoxSinglesRefreshed(b); }); }
int eliminateNakedPairs() { return onGrid([](Board& b) { eliminateNakedPairs(b); }); }
int placeNakedSingles() { return onGrid([](Board& b) { placeNakedSingles(b); }); }
int placeBoxHiddenSingles() { return onGrid([](Board& b) { placeBoxHiddenSingles(b); }); }
int placeLineHiddenSingles() { return onGrid([](Board& b) { placeLineHiddenSingles(b); }); }
