#pragma once

#include "board.h"

#include <array>
#include <cstdint>

// A fast search for the plain puzzle: every cell must end with one of its
// allowed digits, and every column, row and box with the nine digits once
// each. It works on one bit board per digit and band of three rows, and
// narrows them by naked and hidden singles and by locked candidates on whole
// bands before it guesses.

// What the search starts from, by the engine's cell numbering: the digits
// each cell may take, and the givens, whose one digit none of their peers
// may take (so they need no further work).
struct PlainPuzzle {
    std::array<DigitMask, 81> allowed{};
    std::array<bool, 81> given{};
};
// Digits by the engine's cell numbering.
using Filling = std::array<std::uint8_t, 81>;

// How many fillings there are, counted up to limit (the count stops there);
// the first one found, which is not necessarily the first in reading order,
// goes into `found` when the count is not 0.
int countFillings(const PlainPuzzle& puzzle, int limit, Filling& found);
// The same, and where the count is 2 or more, the last filling found, which
// differs from the first, in `last`.
int countFillings(const PlainPuzzle& puzzle, int limit, Filling& first, Filling& last);

// The first filling in reading order: cells compared row by row, left to
// right, each by its digit. False when there is none.
bool firstFillingInReadingOrder(const PlainPuzzle& puzzle, Filling& first);
