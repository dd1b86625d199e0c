#include "techniques.h"

#include <bit>

namespace {

bool isSingleDigit(DigitMask mask)
{
    return !(mask & testMarker) && std::has_single_bit(static_cast<unsigned>(mask));
}

void refreshAll(Board& board)
{
    for (int cell = 0; cell < 81; ++cell) {
        board.eliminate(cell);
    }
}

// The hidden-single step shared by boxes and lines: if the digit is missing
// from the unit and exactly one of its cells, refreshed as the walk reaches
// it, can take the digit, it goes there. The walk stops at the second cell
// that can take it.
void placeHiddenSingle(Board& board, int unit, int digit)
{
    if (board.present[unit] & digitBit(digit)) {
        return;
    }
    int count = 0;
    int found = 0;
    for (int cell : unitCells[unit]) {
        board.eliminate(cell);
        if (board.candidates[cell] & digitBit(digit)) {
            found = cell;
            if (++count == 2) {
                return;
            }
        }
    }
    if (count == 1) {
        board.place(found, digit);
        board.candidates[found] = 0;
        board.progress = 1;
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

bool isPair(DigitMask mask) { return candidateLength(mask) == 2; }

// One sweep over every line of one kind (columns or rows): each cell with a
// two-digit text pairs with every later-found equal text of its line, and
// the pair's digits leave the line's other cells.
void sweepPairs(Board& board, int firstUnit)
{
    for (int line = firstUnit; line < firstUnit + 9; ++line) {
        const auto& cells = unitCells[line];
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
        for (int digit = 1; digit <= 9; ++digit) {
            int count = 0;
            int found = 0;
            for (int cell : unitCells[box]) {
                if (board.candidates[cell] & digitBit(digit)) {
                    ++count;
                    found = cell;
                }
            }
            if (count == 1) {
                board.place(found, digit);
                board.progress = 1;
            }
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
    for (int cell = 0; cell < 81; ++cell) {
        if (board.value[cell] != 0) {
            board.candidates[cell] = 0;
            continue;
        }
        board.eliminate(cell);
        if (isSingleDigit(board.candidates[cell])) {
            board.place(cell, std::countr_zero(static_cast<unsigned>(board.candidates[cell])));
            board.candidates[cell] = 0;
            board.progress = 1;
        }
    }
    return board.progress;
}

int placeBoxHiddenSingles(Board& board)
{
    for (int box = 18; box < 27; ++box) {
        for (int digit = 1; digit <= 9; ++digit) {
            placeHiddenSingle(board, box, digit);
        }
    }
    return board.progress;
}

int placeLineHiddenSingles(Board& board)
{
    for (int line = columnUnit(0); line < rowUnit(0) + 9; ++line) {
        for (int digit = 1; digit <= 9; ++digit) {
            placeHiddenSingle(board, line, digit);
        }
    }
    return board.progress;
}

int placeBoxSinglesRefreshed() { return onGrid([](Board& b) { placeBoxSinglesRefreshed(b); }); }
int eliminateNakedPairs() { return onGrid([](Board& b) { eliminateNakedPairs(b); }); }
int placeNakedSingles() { return onGrid([](Board& b) { placeNakedSingles(b); }); }
int placeBoxHiddenSingles() { return onGrid([](Board& b) { placeBoxHiddenSingles(b); }); }
int placeLineHiddenSingles() { return onGrid([](Board& b) { placeLineHiddenSingles(b); }); }
