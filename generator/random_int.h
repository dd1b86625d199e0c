#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

// A source of random integers: given n, returns one of 0 to n inclusive,
// each equally likely.
using RandomSource = std::function<int(int n)>;

// The generator's own random numbers: a fixed engine and an unbiased mapping
// onto 0 to n, so that one seed gives the same puzzles on every platform.
// It cannot be copied, so that a copy can never replay the draws of the
// original: hand it on as std::ref.
class RandomInt {
public:
    explicit RandomInt(std::uint64_t seed) : engine_(seed) {}
    RandomInt(const RandomInt&) = delete;
    RandomInt& operator=(const RandomInt&) = delete;

    int operator()(int n);

private:
    std::mt19937_64 engine_;
};

// One of the items drawn at random and taken out of the list, whose order
// is not kept. The list must not be empty.
int takeAtRandom(std::vector<int>& items, const RandomSource& randomInt);
