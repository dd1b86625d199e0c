#pragma once

#include "game_state.h"

#include <string>
#include <string_view>

// The grid as a pencil-mark grid, the form in which HoDoKu, SudokuWiki and
// the puzzle forums exchange a game in progress: nine lines, each cell its
// digit or its notes ("." for an empty cell without notes), every column as
// wide as its widest cell, " | " between boxes and a "-+-" line between bands:
//
//   5    3    124  | 26   7    2468 | 1489 1249 248
//   ...
//   ---------------+----------------+---------------
std::string pencilMarkGrid(const GameState& game);

// Whether a pasted text is meant as a pencil-mark grid rather than a plain
// puzzle: a line of nine cells or more, and a cell of two digits or more.
bool looksLikePencilMarks(std::string_view text);

// Reads a pencil-mark grid as pencilMarkGrid writes it, with or without an
// outer border, the border lines of other programs ("-", "=", "+", "*", ".",
// ":" and "'" with a "-" or "=") ignored: a cell of one digit becomes a given,
// a cell of several the notes of an empty cell, "." or "0" an empty cell.
// The game starts afresh on it. On anything else returns false, the game
// untouched, and says in `reason`, in words for the user, what was wrong.
bool readPencilMarkGrid(std::string_view text, GameState& game, std::string& reason);
