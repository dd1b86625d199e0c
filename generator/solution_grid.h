#pragma once

#include "board.h"
#include "random_int.h"

// A complete grid drawn at random: three random diagonal boxes completed as
// Generate completes them, then its digits relabelled, its bands, stacks,
// rows within a band and columns within a stack shuffled, and maybe mirrored
// on the diagonal, so that the completion's leaning towards small digits
// early in a row shows in no puzzle. Values only; no candidates.
Board randomSolutionGrid(const RandomSource& randomInt);
