#pragma once

// What the program says about the player's digits.

// After a digit went in: if it filled the last empty cell, the corner text
// says whether the grid is right (no clash and, where the givens have one
// solution, every digit is its) or wrong, without naming cells.
void announceIfJustFilled(bool wasFull);

// Show mistakes: from now until the next game, every digit the player
// entered that differs from the givens' one solution is marked. Where the
// givens do not have exactly one solution, the corner text says why no
// digit can be marked.
void showMistakesCommand();
bool mistakesShown();
