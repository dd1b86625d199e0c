#pragma once

#include "step.h"

#include <algorithm>
#include <limits>
#include <vector>

// How the ladder ranks the chains one technique finds: by difficulty, then by
// length, then by kind, the earliest found first among equals. A chain's
// difficulty is its technique's base plus a tenth each time its length less
// two passes 4, 6, 8, 12, 16, 24, 32, ... (the limits grow by half and by a
// third in turn). Sums of tenths are kept in the same double arithmetic the
// scale was defined in, so that equal difficulties compare equal.
inline double chainDifficulty(double base, int length)
{
    double added = 0.0;
    int ceiling = 4;
    bool third = false;
    for (int over = length - 2; over > ceiling; third = !third) {
        added += 0.1;
        ceiling = third ? ceiling * 4 / 3 : ceiling * 3 / 2;
    }
    return base + added;
}

struct ChainRank {
    double difficulty = 0.0;
    int length = 0;  // the nodes the chain rests on
    int kind = 0;    // the order among kinds of equal difficulty and length
};

// Strictly before: a chain found later replaces the best so far only so.
inline bool ranksBefore(const ChainRank& a, const ChainRank& b)
{
    if (a.difficulty != b.difficulty) {
        return a.difficulty < b.difficulty;
    }
    if (a.length != b.length) {
        return a.length < b.length;
    }
    return a.kind < b.kind;
}

// The longest chain of a kind that still ranks before `best`; 0 when none
// does.
inline int longestUseful(double base, int kind, const ChainRank& best)
{
    constexpr int unbounded = 2 * 9 * 81 + 2;
    if (best.difficulty == std::numeric_limits<double>::infinity()) {
        return unbounded;
    }
    int longest = 0;
    for (int length = 1; length < unbounded; ++length) {
        const ChainRank rank{chainDifficulty(base, length), length, kind};
        if (!ranksBefore(rank, best)) {
            break;
        }
        longest = length;
    }
    return longest;
}

// A step's rating in tenths.
inline int ratingInTenths(double difficulty) { return static_cast<int>(difficulty * 10.0 + 0.5); }

// A chain a search found, with its rank; kept in the order found, so that a
// stable sort by rank leaves the earliest first among equals.
template <class Chain>
struct RankedChain {
    ChainRank rank;
    Chain chain;
};

// The chains sorted as the ladder ranks them, each conclusion kept once (its
// first, best ranked chain).
template <class Chain>
std::vector<Chain> inLadderOrder(std::vector<RankedChain<Chain>> found)
{
    std::stable_sort(found.begin(), found.end(),
                     [](const RankedChain<Chain>& a, const RankedChain<Chain>& b) { return ranksBefore(a.rank, b.rank); });
    std::vector<Chain> ordered;
    for (RankedChain<Chain>& ranked : found) {
        const Step& step = ranked.chain.step;
        const bool repeated = std::any_of(ordered.begin(), ordered.end(), [&](const Chain& earlier) {
            return earlier.step.eliminations == step.eliminations && earlier.step.placements == step.placements;
        });
        if (!repeated) {
            ordered.push_back(std::move(ranked.chain));
        }
    }
    return ordered;
}
