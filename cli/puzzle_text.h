#pragma once

#include "board.h"
#include "line_reader.h"

#include <string>
#include <string_view>

// A puzzle as one line of text: 81 characters, row by row, '1'-'9' for a
// given and '.' or '0' for an empty cell, as readLines hands it on. On a
// malformed line, returns false and says why in `reason`.
bool parsePuzzle(std::string_view line, Board& board, std::string& reason);

// The puzzle on a line of input; a line too long to read is malformed too.
bool parsePuzzleLine(const InputLine& line, Board& board, std::string& reason);

// The board's values row by row, '.' for an empty cell.
std::string formatPuzzle(const Board& board);
