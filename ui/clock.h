#pragma once

#include <cstdint>

// Milliseconds on a clock that never goes back, counted from an arbitrary start.
std::int64_t tickCount();

// A whole number from 0 to n inclusive, each equally likely. The generator
// behind it is seeded from the tick counter the first time it is used.
int randomInt(int n);

// Sleeps without handling any window events.
void sleepMilliseconds(int ms);
