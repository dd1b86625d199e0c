#include "engine_grid.h"

#include "game_session.h"
#include "grid.h"

namespace {

int digitOf(std::string_view text)
{
    return !text.empty() && text[0] >= '1' && text[0] <= '9' ? text[0] - '0' : 0;
}

}  // namespace

void writeGameToGrid()
{
    for (int cell = 0; cell < 81; ++cell) {
        Cell& target = grid[columnOf(cell)][rowOf(cell)];
        const GameCell& source = game.cells[cell];
        const char digit = static_cast<char>('0' + source.value);
        target.value.store(source.value != 0 ? std::string_view(&digit, 1) : std::string_view());
        target.clash = source.clash ? 1 : 0;
    }
}

void takeSolvedValue(int fieldId, std::string_view text)
{
    const int cell = cellOfField(fieldId);
    if (cell >= 0 && digitOf(text) != 0) {
        takeSolvedDigit(game, cell, digitOf(text));
    }
}

void takeGeneratedValue(int fieldId, std::string_view text)
{
    const int cell = cellOfField(fieldId);
    if (cell >= 0) {
        setGiven(game, cell, digitOf(text));
    }
}

int cellOfField(int fieldId)
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            if (grid[i][j].fieldId == fieldId) {
                return cellIndex(i, j);
            }
        }
    }
    return -1;
}
