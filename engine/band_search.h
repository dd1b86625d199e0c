#pragma once

#include "board.h"

#include <array>
#include <cstdint>

// A fast search for the plain puzzle: every cell must end with one of its
// allowed digits, and every column, row and box with the nine digits once
// each. It works on one bit board per digit and band of three rows, and
// narrows them by naked and hidden singles and by locked candidates on whole
// bands before it guesses.

// Allowed digits of every cell, by the engine's cell numbering; a given has
// one digit.
using AllowedDigits = std::array<DigitMask, 81>;
// Digits by the engine's cell numbering.
using Filling = std::array<std::uint8_t, 81>;

// How many fillings there are, counted up to limit (the count stops there);
// the first one found, which is not necessarily the first in reading order,
// goes into `found` when the count is not 0.
int countFillings(const AllowedDigits& allowed, int limit, Filling& found);

// The first filling in reading order: cells compared row by row, left to
// right, each by its digit. False when there is none.
bool firstFillingInReadingOrder(const AllowedDigits& allowed, Filling& first);
