#pragma once

#include <functional>

// Every change of the game can be taken back and made again, one step at a
// time: its digits, givens, notes and the candidates hints struck out. The
// history lasts while the program runs.

// Runs `change` (an edit or a command). If the game differs afterwards, the
// game before it becomes one undo step and the steps undone so far can no
// longer be made again; a change that changes nothing (a refused Solve, a
// cancelled command) leaves the history alone.
void recordUndoStep(const std::function<void()>& change);

// Puts back the game before the last step (or after the last undone one).
// Does nothing when there is no such step.
void undoCommand();
void redoCommand();

// Starts with no steps to undo or redo.
void forgetUndoSteps();
