#include "line_minimum.h"

#include <algorithm>

namespace {

int clueCount(const Board& board, int unit)
{
    const auto& cells = unitCells[unit];
    return static_cast<int>(std::count_if(cells.begin(), cells.end(), [&](int cell) { return board.value[cell] != 0; }));
}

// Lines are the units firstLine to firstLine + 8; a clue's cross line is
// the unit of the other kind through it, found by crossLineOf.
template <typename CrossLine>
void emptyLinesToMinimum(Board& board, int minimum, int firstLine, CrossLine crossLineOf)
{
    for (int line = firstLine; line < firstLine + 9; ++line) {
        int empty = 9 - clueCount(board, line);
        while (empty < minimum) {
            int chosen = -1;
            int most = -1;
            for (int cell : unitCells[line]) {
                if (board.value[cell] == 0) {
                    continue;
                }
                const int clues = clueCount(board, crossLineOf(cell));
                if (clues > most) {
                    most = clues;
                    chosen = cell;
                }
            }
            board.clear(chosen);
            ++empty;
        }
    }
}

}  // namespace

void emptyColumnsToMinimum(Board& board, int minimum)
{
    emptyLinesToMinimum(board, minimum, columnUnit(0), [](int cell) { return rowUnit(rowOf(cell)); });
}

void emptyRowsToMinimum(Board& board, int minimum)
{
    emptyLinesToMinimum(board, minimum, rowUnit(0), [](int cell) { return columnUnit(columnOf(cell)); });
}
