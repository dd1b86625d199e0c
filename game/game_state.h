#pragma once

#include "board.h"
#include "candidate_grid.h"

#include <array>
#include <cstdint>

// One game as the player sees it, free of any window: per cell its digit,
// whether the digit is a given, the player's notes and the candidates that
// hints struck out, and whether the digit clashes. Every change of a game is
// one of the commands below, so a copy of the state is all that undo needs.
// Cells are numbered as Board numbers them: cellIndex(column, row).

struct GameCell {
    std::uint8_t value = 0;  // 0 for an empty cell
    bool given = false;      // placed by Generate or Paste puzzle
    DigitMask notes = 0;     // the player's pencil marks; an empty cell's only
    DigitMask struck = 0;    // candidates that hints of this game struck out
    // The digit repeats in the cell's column, row or box. Derived from the
    // values after every command.
    bool clash = false;
    bool operator==(const GameCell&) const = default;
};

struct GameState {
    std::array<GameCell, 81> cells{};
    bool operator==(const GameState&) const = default;
};

// A digit put into a cell by the player or a hint; 0 empties the cell. It
// replaces whatever digit the cell held and takes the cell's notes away;
// with `strikePeerNotes` it also leaves the notes of the cell's twenty peers.
// A given takes no digit.
void enterDigit(GameState& game, int cell, int digit, bool strikePeerNotes);

// Turns one note of an empty cell on or off; a filled cell takes none.
void toggleNote(GameState& game, int cell, int digit);

// Takes every note of one cell away.
void clearCellNotes(GameState& game, int cell);

// Every empty cell's notes become the digits not yet placed in its row,
// column and box.
void fillInNotes(GameState& game);

// Takes every note of the grid away.
void clearAllNotes(GameState& game);

// A hint's elimination: the candidate is struck out for the hints after it,
// and the note of that digit goes.
void strikeCandidate(GameState& game, int cell, int digit);

// A new game on these values, each digit a given (0 for an empty cell):
// no notes and no struck candidates. All zeros is an empty grid.
void startGame(GameState& game, const std::array<std::uint8_t, 81>& givens);

// One cell of a new game set up cell by cell, as Generate shows its
// puzzle: the digit as a given, or an empty cell for 0.
void setGiven(GameState& game, int cell, int digit);

// A digit that Solve placed in an empty cell: no given, no notes.
void takeSolvedDigit(GameState& game, int cell, int digit);

// The same digits and the same struck candidates, whatever the notes: what
// a hint or a verdict was shown for still stands.
bool sameGrid(const GameState& a, const GameState& b);

std::array<std::uint8_t, 81> valuesOf(const GameState& game);
bool hasGivens(const GameState& game);
bool isFull(const GameState& game);

// The digits as the engine's board, candidates left empty.
Board boardOf(const GameState& game);

// Kelvaro's own candidates: every digit that no peer's digit rules out,
// less those that hints struck out.
CandidateGrid candidatesOf(const GameState& game);
