#pragma once

#include "board.h"

#include <optional>

// New puzzle by rating: asks for a grade in the rating dialog, then searches
// for a puzzle of it while the progress window shows the search going on.
// Gives the puzzle, or none when the user cancelled either window or one
// could not open. Window events that come meanwhile are dropped.
std::optional<Board> askRatedPuzzle();
