#pragma once

#include "board.h"

#include <array>
#include <cstdint>
#include <string>

// A puzzle written as 81 characters in reading order, '.' for an empty
// cell, as the game's cells hold it.
inline std::array<std::uint8_t, 81> givensOf(const std::string& puzzle)
{
    std::array<std::uint8_t, 81> givens{};
    for (int index = 0; index < 81; ++index) {
        const char mark = puzzle[static_cast<std::size_t>(index)];
        givens[cellIndex(index % 9, index / 9)] = mark == '.' ? 0 : static_cast<std::uint8_t>(mark - '0');
    }
    return givens;
}
