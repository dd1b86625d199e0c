#pragma once

#include "fixed_text.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// One cell of the puzzle: the id of its entry field, its digit, the digits
// still possible there and whether the entry checking found it clashing.
struct Cell {
    std::int16_t fieldId = 0;
    FixedText<1> value;
    FixedText<9> candidates;
    std::uint8_t clash = 0;
};

constexpr int gridSize = 10;  // rows and columns 0 to 8 are used; 9 stays zero

// grid[i][j]: column i from the left, row j from the top.
extern Cell grid[gridSize][gridSize];
// Set by every technique that places a digit or removes a candidate.
extern std::uint8_t progress;
// The generator's copy of the grid's values, indexed like grid.
extern std::string solution[gridSize][gridSize];

// The window operation the engine is given for showing a value in a field.
using WriteField = std::function<void(int fieldId, std::string_view text)>;

// Copies every cell's value into its entry field, column by column.
void showGrid(const WriteField& writeField);

// Puts grid, progress and solution back to their start-up state: every field
// zero, every text empty.
void resetEngineState();

// The entry-field id of cell (i, j), as the main window numbers its fields.
constexpr int cellFieldId(int i, int j) { return 17 + 9 * i + j; }
