#pragma once

// The main window, window 0: the 81 cell fields, ids 17 to 97, and the five
// command buttons, ids 0 to 4, inside a frame.

constexpr int mainWindow = 0;

constexpr int solveButtonId = 0;
constexpr int generateButtonId = 1;
constexpr int clearButtonId = 2;
constexpr int printButtonId = 3;
constexpr int aboutButtonId = 4;

// The text below the button frame that gives a hint's reason (corner_text.h).
constexpr int hintTextId = 106;
// Below it, while notes mode is on, a line that says so.
constexpr int notesModeTextId = 107;

// The cell font, font number 1.
constexpr int cellFont = 1;

// The left (for a column) or top (for a row) edge of a cell field. Fields of
// one box overlap by a pixel so their borders coincide; boxes are 2 pixels
// apart.
constexpr int cellOffset(int index) { return 2 + 29 * index + 3 * (index / 3); }

extern const char* const mainWindowTitle;

// Whether a control id is one of the cell fields'; the bounds are read from
// the grid, which ties the cells to their fields.
bool isCellField(int controlId);

// Opens the main window at the zoom (the largest step up to it that fits the
// screen), with no control focused, and ties every cell of the grid to its
// field; the arrow keys move between the fields as the cells lie, and the
// window's keys and the fields' context menu are those of
// main_window_keys.h. Returns false, creating no control and leaving the grid
// alone, when the window cannot be opened.
bool openMainWindow(int zoomPercent = 100);

// Shows or hides the line that says notes mode is on; the hint's reason
// makes room for it.
void showNotesModeLine(bool shown);
