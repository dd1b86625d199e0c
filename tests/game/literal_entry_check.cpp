#include "literal_entry_check.h"

void LiteralEntryCheck::edit(int column, int row, int digit)
{
    value[column][row] = digit;
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            if (clash[i][j]) {
                checkClash(i, j);
            }
        }
    }
    checkClash(column, row);
}

void LiteralEntryCheck::checkClash(int column, int row)
{
    const int digit = value[column][row];
    if (digit == 0) {
        clash[column][row] = false;
        return;
    }
    bool found = false;
    const int boxColumn = column / 3 * 3;
    const int boxRow = row / 3 * 3;
    bool scanned = false;
    for (int p = boxColumn; p < boxColumn + 3 && !scanned; ++p) {
        for (int q = boxRow; q < boxRow + 3 && !scanned; ++q) {
            if ((p != column || q != row) && value[p][q] == digit) {
                clash[p][q] = true;
                found = scanned = true;
            }
        }
    }
    for (int k = 0; k < 9; ++k) {
        if (k != column && value[k][row] == digit) {
            clash[k][row] = true;
            found = true;
            break;
        }
    }
    for (int k = 0; k < 9; ++k) {
        if (k != row && value[column][k] == digit) {
            clash[column][k] = true;
            found = true;
            break;
        }
    }
    clash[column][row] = found;
}
