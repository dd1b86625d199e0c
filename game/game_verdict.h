#pragma once

#include "game_state.h"

#include <array>
#include <cstdint>

// What the givens of a game allow: how many solutions (0, 1, or 2 for two
// or more) and, when there is exactly one, that solution.
struct GivensSolution {
    int solutions = 0;
    std::array<std::uint8_t, 81> solution{};
};

// Solves the givens alone; the digits the player entered play no part.
GivensSolution solveGivens(const GameState& game);

enum class Completion {
    notFull,
    right,  // full, no clash, and where the givens have one solution, every digit is its
    wrong,  // full, but a digit clashes or differs from the givens' one solution
};

Completion completionOf(const GameState& game, const GivensSolution& givens);

// Whether the digit the player entered in the cell differs from the givens'
// one solution; never for a given, an empty cell, or givens without exactly
// one solution.
bool isMistake(const GameState& game, const GivensSolution& givens, int cell);
