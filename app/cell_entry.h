#pragma once

// Keeps a cell field to one digit from 1 to 9, copies it into the grid and
// marks the cells whose digit repeats in their box, row or column.

// Called for every edit the user makes in cell field `fieldId` (17 to 97).
void cellEdited(int fieldId);

// Recomputes the clash flag of cell (column, row); flags the first clashing
// peer found by each of the box, row and column scans.
void checkClash(int column, int row);

// Shows every clashing cell's digit in red, the others in black.
void colourCells();

// The checking of an edit, run over every cell at once for values that the
// program put in as if typed (a pasted puzzle, an undone step): each cell's
// flag ends up set exactly when its digit repeats in its box, row or column.
void checkAllCells();
