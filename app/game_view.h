#pragma once

// Draws the main window from the game: every cell's digit, colour, notes and
// marks, the highlight around the focused cell, and the notes-mode line.
// The main loop calls it after every event, and the cells call it whenever
// the keyboard focus moves among them.
//
// - A given, and every digit of a grid without givens, is black (1, 0, 0);
//   a digit the player entered into a puzzle with givens is dark blue; a
//   clashing digit is red (255, 0, 0).
// - While a cell with a digit has the focus, every cell with that digit is
//   tinted and its digit bold, every note of that digit is bold on a tint,
//   and the other cells of the focused cell's row, column and box get a
//   light tint. Otherwise nothing is tinted.
// - A note that a peer's digit rules out is red and struck through.
// - While mistakes are shown, a digit that differs from the givens' one
//   solution is crossed out.
void showGame();
