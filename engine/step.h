#pragma once

#include <cstdint>
#include <vector>

// One step of the explaining techniques, general enough for all of them:
// what it places and strikes, and what proves it. Cells are numbered as
// Board numbers them; units as in board.h (columns 0-8, rows 9-17, boxes
// 18-26).

// A digit in a cell: "row 3, column 5 holds (or may hold) 7".
struct Candidate {
    std::uint8_t cell = 0;
    std::uint8_t digit = 0;
    static constexpr Candidate of(int cell, int digit)
    {
        return {static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(digit)};
    }
    bool operator==(const Candidate&) const = default;
};

// A candidate taken as true ("r3c5 is 7") or false ("r3c5 is not 7").
struct ChainNode {
    Candidate candidate;
    bool on = false;
    bool operator==(const ChainNode&) const = default;
};

// One inference of a chain: `from` implies `to`. From off to on is a strong
// link (one of the two candidates is true), from on to off a weak one (they
// are not both true).
struct ChainLink {
    ChainNode from;
    ChainNode to;
    bool strong() const { return !from.on && to.on; }
    bool operator==(const ChainLink&) const = default;
};

struct Step {
    int technique = 0;  // the row of the technique table that found it
    int rating = 0;     // in tenths: 23 is 2.3; a chain's length bonus included
    std::vector<Candidate> placements;
    std::vector<Candidate> eliminations;
    // What proves the step, for the words and for the marks on the grid: the
    // candidates it rests on (a subset's digits in its cells, a fish's digit
    // in its base lines, a wing's pivot and pincers, a rectangle's corners),
    // the units it works in (a single's or subset's unit; a fish's base lines
    // then its cover lines), and a chain's links in the order they are read.
    std::vector<Candidate> proof;
    std::vector<int> units;
    std::vector<ChainLink> chain;
    // Where each line of inference of a chain begins in `chain`, when it has
    // several (both ways a candidate can go, each digit of a cell, each place
    // of a digit in a region); empty for one. A line lists each of its
    // inferences after those it rests on.
    std::vector<int> chainBranches;
    // The pattern's own cells in the order its words name them, where the
    // candidates alone do not tell it: a loop's cells round the loop, the
    // cells a grave turns on, the two cells of an exclusion.
    std::vector<int> cells;
    int form = 0;  // which form of the technique, where it has several: a uniqueness step's type
};
