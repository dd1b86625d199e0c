#pragma once

#include <array>
#include <bit>
#include <cstdint>

// A set of the 81 cells, a bit a cell, numbered as Board numbers them
// (cellIndex(column, row)). The explaining techniques ask "which cells of
// this unit still hold 7" thousands of times a puzzle: two words answer it
// with a few instructions.
// The count of set bits, written out: the baseline x86-64 target has no
// POPCNT instruction, and std::popcount calls a library function there,
// which the chain searches would call millions of times a puzzle.
constexpr int bitCount(std::uint64_t bits)
{
    bits = bits - ((bits >> 1) & 0x5555555555555555u);
    bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((bits * 0x0101010101010101u) >> 56);
}

struct CellSet {
    std::uint64_t low = 0;   // cells 0 to 63
    std::uint64_t high = 0;  // cells 64 to 80

    static constexpr CellSet of(int cell)
    {
        return cell < 64 ? CellSet{std::uint64_t{1} << cell, 0} : CellSet{0, std::uint64_t{1} << (cell - 64)};
    }
    static constexpr CellSet all() { return {~std::uint64_t{0}, (std::uint64_t{1} << 17) - 1}; }

    constexpr bool has(int cell) const { return cell < 64 ? (low >> cell) & 1 : (high >> (cell - 64)) & 1; }
    constexpr void add(int cell) { *this |= of(cell); }
    constexpr void remove(int cell) { *this &= ~of(cell); }
    constexpr bool empty() const { return (low | high) == 0; }
    constexpr int size() const { return bitCount(low) + bitCount(high); }
    // The lowest cell of a set that is not empty.
    constexpr int first() const { return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(high); }

    constexpr CellSet operator&(CellSet other) const { return {low & other.low, high & other.high}; }
    constexpr CellSet operator|(CellSet other) const { return {low | other.low, high | other.high}; }
    constexpr CellSet operator^(CellSet other) const { return {low ^ other.low, high ^ other.high}; }
    // The complement within the 81 cells.
    constexpr CellSet operator~() const { return {~low, ~high & ((std::uint64_t{1} << 17) - 1)}; }
    // Member by member: GCC 12 loses the first such assignment to a set inside
    // an array element while it evaluates a constant expression when it is
    // written as `*this = *this & other`.
    constexpr CellSet& operator&=(CellSet other)
    {
        low &= other.low;
        high &= other.high;
        return *this;
    }
    constexpr CellSet& operator|=(CellSet other)
    {
        low |= other.low;
        high |= other.high;
        return *this;
    }
    constexpr CellSet& operator^=(CellSet other)
    {
        low ^= other.low;
        high ^= other.high;
        return *this;
    }
    constexpr bool operator==(const CellSet&) const = default;

    // Walks the cells in ascending order: for (int cell : set).
    struct Iterator {
        std::uint64_t low;
        std::uint64_t high;
        int operator*() const { return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(high); }
        Iterator& operator++()
        {
            if (low != 0) {
                low &= low - 1;
            } else {
                high &= high - 1;
            }
            return *this;
        }
        bool operator!=(const Iterator& other) const { return low != other.low || high != other.high; }
    };
    Iterator begin() const { return {low, high}; }
    Iterator end() const { return {0, 0}; }
};

// The cells of each unit (units numbered as in board.h), and each cell's
// twenty peers.
extern const std::array<CellSet, 27>& unitSet;
extern const std::array<CellSet, 81>& peerSet;
