#pragma once

// Empties every cell of the game, notes and all: a new, empty game.
void clearCommand();
