#include "grid.h"

Cell grid[gridSize][gridSize];
std::uint8_t progress = 0;
std::string solution[gridSize][gridSize];

void showGrid(const WriteField& writeField)
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            writeField(grid[i][j].fieldId, grid[i][j].value.view());
        }
    }
}

void resetEngineState()
{
    for (auto& column : grid) {
        for (auto& cell : column) {
            cell = Cell{};
        }
    }
    for (auto& column : solution) {
        for (auto& text : column) {
            text.clear();
        }
    }
    progress = 0;
}
