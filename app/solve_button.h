#pragma once

// The Solve button: the engine's Solve command on the game's digits. The
// digits Solve finds come into the game, and the window shows them before
// the message about them.
void solveButtonCommand();
