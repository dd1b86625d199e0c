#pragma once

#include "cell_set.h"
#include "step.h"

#include <array>
#include <cstdint>

// The chains reason about candidates taken as true ("on") or false ("off").
// A candidate and its state fit in one small number, so that the searches
// keep their marks and parents in flat arrays instead of maps:
// node = 32 * cell + 2 * digit + on, which takes apart with shifts.
using Node = std::uint16_t;

constexpr int nodeCount = 32 * 81;

constexpr Node nodeOf(int cell, int digit, bool on)
{
    return static_cast<Node>(32 * cell + 2 * digit + (on ? 1 : 0));
}
constexpr int nodeCell(Node node) { return node >> 5; }
constexpr int nodeDigit(Node node) { return (node >> 1) & 15; }
constexpr bool nodeOn(Node node) { return (node & 1) != 0; }
// The same candidate in the other state.
constexpr Node negation(Node node) { return static_cast<Node>(node ^ 1); }

// The most candidates a grid can hold, and so the most nodes of one state a
// chain can reach.
constexpr int candidateCount = 9 * 81;

inline ChainNode chainNode(Node node)
{
    return {{static_cast<std::uint8_t>(nodeCell(node)), static_cast<std::uint8_t>(nodeDigit(node))}, nodeOn(node)};
}

// A set of candidates: a cell set a digit, the shape of the grid's own
// `cellsOf`, so that one digit's part meets the grid's in two words.
struct CandidateSet {
    std::array<CellSet, 10> cellsOf{};  // [0] unused

    bool has(int cell, int digit) const { return cellsOf[digit].has(cell); }
    void add(int cell, int digit) { cellsOf[digit].add(cell); }
    void clear() { cellsOf = {}; }
};

// The on and the off nodes a chain has reached.
struct NodeSet {
    CandidateSet on;
    CandidateSet off;

    bool has(Node node) const
    {
        return (nodeOn(node) ? on : off).has(nodeCell(node), nodeDigit(node));
    }
    void add(Node node) { (nodeOn(node) ? on : off).add(nodeCell(node), nodeDigit(node)); }
    void clear()
    {
        on.clear();
        off.clear();
    }
};
