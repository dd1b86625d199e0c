#pragma once

#include <string>
#include <string_view>

// Reads a puzzle from text pasted by the user, in the forms that puzzle sites
// and other programs write: one line of 81 cells, or nine lines of 9, each
// cell '1'-'9' for a given or '.', '0', '_' or '*' for an empty cell, with
// '|', '-', '+', spaces (no-break ones too), tabs and lines without cells
// between them ignored, and a byte-order mark before the text.
// Gives the puzzle as one line of 81 characters in reading order, '.' for an
// empty cell; on anything else returns false and says in `reason`, in words
// for the user, what was wrong.
bool readPastedPuzzle(std::string_view text, std::string& puzzle, std::string& reason);
