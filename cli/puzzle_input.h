#pragma once

#include "board.h"

#include <functional>
#include <string>

// The puzzle-reading loop that solve, rate and explain share: standard
// input, one puzzle a line. A malformed line is reported on standard error
// as "error: line N: ..." and skipped; every good puzzle goes to `answer`,
// whose text is written to standard output. Reading stops at the first
// failed write; a read error is reported as such. Returns the exit status: 1
// if any line was malformed or could not be read or written, else 0.
int answerPuzzles(const std::function<std::string(Board& puzzle)>& answer);
