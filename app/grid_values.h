#pragma once

#include <string>
#include <string_view>

// The grid's values as one line of 81 characters in reading order (row by
// row, each from the left), '.' for an empty cell: the form in which a
// puzzle is copied, pasted and kept for undo.
std::string gridValues();

// Makes the grid and its fields hold `values` (a line as gridValues gives)
// and runs the entry checking over every cell, so that clashing digits turn
// red and all others black, as if the values had been typed.
void showValues(std::string_view values);
