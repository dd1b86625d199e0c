#include "cell_entry.h"

#include "controls.h"
#include "grid.h"

#include <string>
#include <vector>

namespace {

// The edited cell, kept for the life of the program as the rest of the loop
// state is.
std::uint8_t editedColumn = 0;
std::uint8_t editedRow = 0;

bool isCellDigit(const std::string& text)
{
    return text.size() == 1 && text[0] >= '1' && text[0] <= '9';
}

// One scan: flags the first of the peers, in the order given, that holds the
// same value, and says whether there was one.
bool flagFirstEqual(const FixedText<1>& value, const std::vector<Cell*>& peers)
{
    for (Cell* peer : peers) {
        if (peer->value.view() == value.view()) {
            peer->clash = 1;
            return true;
        }
    }
    return false;
}

// Finds the cell of field `fieldId` and makes it the edited cell. The event
// loop passes field ids only, so there always is one.
void findCell(int fieldId)
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            if (grid[i][j].fieldId == fieldId) {
                editedColumn = static_cast<std::uint8_t>(i);
                editedRow = static_cast<std::uint8_t>(j);
                return;
            }
        }
    }
}

}  // namespace

void cellEdited(int fieldId)
{
    std::string text = controlText(fieldId);
    if (text.size() >= 2) {
        setControlText(fieldId, text.substr(0, 1));
    }
    // Only 1 to 9 may stand in a cell; anything else that got into the field
    // (a "0", or a character pasted past the digits-only check) empties it.
    text = controlText(fieldId);
    if (!text.empty() && !isCellDigit(text)) {
        setControlText(fieldId, "");
    }

    findCell(fieldId);
    Cell& edited = grid[editedColumn][editedRow];
    edited.value.store(controlText(edited.fieldId));

    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            if (grid[i][j].clash != 0) {
                checkClash(i, j);
            }
        }
    }
    checkClash(editedColumn, editedRow);
    colourCells();
}

void checkClash(int column, int row)
{
    Cell& cell = grid[column][row];
    if (cell.value.empty()) {
        cell.clash = 0;
        return;
    }

    std::vector<Cell*> box;
    const int boxColumn = column / 3 * 3;
    const int boxRow = row / 3 * 3;
    for (int p = boxColumn; p < boxColumn + 3; ++p) {
        for (int q = boxRow; q < boxRow + 3; ++q) {
            if (p != column || q != row) {
                box.push_back(&grid[p][q]);
            }
        }
    }
    std::vector<Cell*> line;
    std::vector<Cell*> columnCells;
    for (int k = 0; k < 9; ++k) {
        if (k != column) {
            line.push_back(&grid[k][row]);
        }
        if (k != row) {
            columnCells.push_back(&grid[column][k]);
        }
    }

    // Every scan runs, whatever the earlier ones found.
    const bool inBox = flagFirstEqual(cell.value, box);
    const bool inRow = flagFirstEqual(cell.value, line);
    const bool inColumn = flagFirstEqual(cell.value, columnCells);
    cell.clash = (inBox || inRow || inColumn) ? 1 : 0;
}

void colourCells()
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            const Cell& cell = grid[i][j];
            // Black is (1, 0, 0) rather than the toolkit's default text colour.
            if (cell.clash != 0) {
                setTextColour(cell.fieldId, 255, 0, 0);
            } else {
                setTextColour(cell.fieldId, 1, 0, 0);
            }
        }
    }
}

void checkAllCells()
{
    // Each check sets its own cell's flag from scratch and flags only peers
    // that do clash, so one check per cell leaves no stale flag behind.
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            checkClash(i, j);
        }
    }
    colourCells();
}
