#pragma once

#include "game_state.h"
#include "game_verdict.h"

#include <array>
#include <cstdint>

// The game in the main window, and the player's choices about it, which
// undo leaves alone.
extern GameState game;

struct PlayChoices {
    bool notesMode = false;        // plain digits toggle notes
    bool strikePeerNotes = true;   // a placed digit leaves its peers' notes
    bool showMistakes = false;     // on until the next game starts
};
extern PlayChoices choices;

// A new game on these givens (all zeros: an empty grid), or one already set
// up (a pasted pencil-mark grid). Mistakes are no longer shown.
void startNewGame(const std::array<std::uint8_t, 81>& givens);
void startNewGame(const GameState& start);

// The solution of the game's givens, worked out once for each set of givens.
const GivensSolution& givensSolution();

// The game and the choices as at start-up.
void forgetGame();
