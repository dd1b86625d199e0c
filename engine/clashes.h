#pragma once

#include "board.h"

#include <string>
#include <vector>

// Every cell whose value occurs again in its column, row or box, in
// whole-grid order (column by column).
std::vector<int> clashingCells(const Board& board);

// "Row 3, column 5 and row 3, column 8 both hold 4.": the first clashing
// cell in whole-grid order and the first peer that holds its digit; empty
// when no values clash.
std::string clashText(const Board& board);

// "row 3, column 5": a cell as a player counts it, 1 to 9 from the top left.
std::string cellName(int cell);

// The text with its first letter a capital, to start a sentence with it.
std::string capitalised(std::string text);
