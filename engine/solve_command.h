#pragma once

#include "board.h"
#include "grid.h"

#include <cstdint>
#include <functional>
#include <string_view>

// What the Solve command needs from the windowing system.
struct SolveHost {
    WriteField writeField;
    std::function<void(std::string_view title, std::string_view text)> showMessage;
    std::function<std::int64_t()> ticks;  // monotonic milliseconds
};

// The Solve pipeline on a board: fresh candidates, the technique loop, then
// the trial search. Returns true with the board complete; on false every
// value is as it was before (the techniques' placements are undone), and the
// candidates are what the technique loop left.
bool solvePuzzle(Board& board);

// The Solve button: refuses a grid with a clashing cell, solves the grid in
// place, shows it and reports the milliseconds that solving took.
void solveCommand(const SolveHost& host);
