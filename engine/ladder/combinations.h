#pragma once

#include <bit>
#include <cstdint>

// Calls `visit` with every k-element subset of the set bits of `items` (at
// most 32 bits), as a mask, in increasing order of the mask's value, until it
// returns true; returns whether one did. The order of the subsets decides
// which of several steps the ladder takes, so it is the one the rating's
// reference walks in.
template <typename Visit>
bool forEachSubset(std::uint32_t items, int k, Visit&& visit)
{
    std::uint32_t position[32];
    int n = 0;
    for (std::uint32_t rest = items; rest != 0; rest &= rest - 1) {
        position[n++] = std::uint32_t{1} << std::countr_zero(rest);
    }
    if (k > n || k <= 0) {
        return false;
    }
    const std::uint64_t last = std::uint64_t{1} << n;
    for (std::uint64_t pick = (std::uint64_t{1} << k) - 1; pick < last;) {
        std::uint32_t subset = 0;
        for (std::uint64_t bits = pick; bits != 0; bits &= bits - 1) {
            subset |= position[std::countr_zero(bits)];
        }
        if (visit(subset)) {
            return true;
        }
        const std::uint64_t lowest = pick & (~pick + 1);
        const std::uint64_t ripple = pick + lowest;
        pick = ripple | (((pick ^ ripple) >> 2) / lowest);
    }
    return false;
}
