#pragma once

#include "board.h"
#include "step.h"

#include <string>
#include <vector>

// The pieces the techniques' sentences are made of, as a player counts rows,
// columns and boxes: 1 to 9 from the top left, boxes left to right, then top
// to bottom.

// "row 3", "column 5", "box 4", for a Board unit.
std::string unitName(int unit);
// "rows 2 and 7", "columns 1, 4 and 8": units of one kind.
std::string unitsName(const std::vector<int>& units);
// "4 and 7", "1, 2 and 6"; with `joint` "or": "4 or 7".
std::string digitList(DigitMask digits, const char* joint = "and");
// Cells named as compactly as a player would: "row 2, columns 3 and 8" when
// they share a row, "column 4, rows 1 and 6" when they share a column, else
// "row 1, column 2; row 3, column 4 and row 5, column 6".
std::string cellList(const std::vector<int>& cells);
// The cells of a list of candidates, each once, in the list's order.
std::vector<int> cellsOf(const std::vector<Candidate>& candidates);
// The digits of a list of candidates.
DigitMask digitsOf(const std::vector<Candidate>& candidates);
// "so row 2, column 5 cannot be 9": what a step strikes, cell by cell.
std::string struckText(const std::vector<Candidate>& eliminations);
// "two", "three": a small count as a word.
std::string countWord(int n);
// "1.2": a rating in tenths as the scale writes it.
std::string ratingText(int tenths);
// The cells as places within a unit they share: "columns 3 and 8" in a row,
// "rows 1 and 6" in a column, the cells themselves in a box.
std::string placesIn(int unit, const std::vector<int>& cells);
