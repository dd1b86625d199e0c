#include "grid_values.h"

#include "cell_entry.h"
#include "controls.h"
#include "grid.h"

std::string gridValues()
{
    std::string values;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const Cell& cell = grid[column][row];
            values += cell.value.empty() ? '.' : cell.value.view()[0];
        }
    }
    return values;
}

void showValues(std::string_view values)
{
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const char mark = values[static_cast<std::size_t>(9 * row + column)];
            const std::string_view digit =
                mark == '.' ? std::string_view() : std::string_view(&mark, 1);
            Cell& cell = grid[column][row];
            cell.value.store(digit);
            setControlText(cell.fieldId, digit);
        }
    }
    checkAllCells();
}
