#pragma once

// The Check puzzle command: a message box that says how many solutions the
// grid's digits allow and what the puzzle asks of a player; for a grid with
// a clash, it names the cells that clash.

void checkPuzzleCommand();
