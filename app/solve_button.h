#pragma once

// The Solve button: the engine's Solve command, writing into the main
// window's fields and answering through message boxes.
void solveButtonCommand();
