#pragma once

#include "random_int.h"

#include <vector>

// The puzzle build written straight on the globals with texts, as a person
// would do it by hand: digit pools and position lists as strings, techniques
// called on `grid`, values restored from `solution` after every trial, and a
// build with several solutions started again. Slow but plainly right; the
// builder must leave exactly its grid and solution. Returns the bar positions
// it set.
std::vector<int> literalGeneratePuzzle(int difficulty, const RandomSource& randomInt, int attemptLimit);
