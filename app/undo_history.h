#pragma once

#include <functional>

// Every change of the grid's values can be taken back and made again, one
// step at a time. The history lasts while the program runs.

// Runs `change` (an edit or a command). If the grid's values differ
// afterwards, the values before it become one undo step and the steps undone
// so far can no longer be made again; a change that changes nothing (a
// refused Solve, a cancelled command) leaves the history alone.
void recordUndoStep(const std::function<void()>& change);

// Puts back the values before the last step (or after the last undone one)
// and checks every cell again, so that the clash colours follow. Does
// nothing when there is no such step.
void undoCommand();
void redoCommand();

// Starts with no steps to undo or redo.
void forgetUndoSteps();
