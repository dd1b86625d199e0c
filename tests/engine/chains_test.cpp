#include "chains/aligned_triplets.h"
#include "chains/chain_rank.h"
#include "chains/multiple_chains.h"
#include "chains/single_chains.h"
#include "clashes.h"
#include "engine_test_support.h"
#include "technique_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

CandidateGrid gridOf(const std::string& puzzle)
{
    Board board;
    for (int i = 0; i < 81; ++i) {
        if (puzzle[i] >= '1' && puzzle[i] <= '9') {
            board.place(cellIndex(i % 9, i / 9), puzzle[i] - '0');
        }
    }
    return CandidateGrid::fromValues(board);
}

int rowNamed(std::string_view name)
{
    const auto table = techniqueTable();
    return static_cast<int>(std::find_if(table.begin(), table.end(), [&](const TechniqueRow& row) { return row.name == name; })
                            - table.begin());
}

int solutionAt(const std::string& solution, int cell) { return solution[9 * rowOf(cell) + columnOf(cell)] - '0'; }

// A step is sound when it strikes no digit of the solution and places only
// the solution's digits.
::testing::AssertionResult isSound(const Step& step, const std::string& solution)
{
    for (Candidate struck : step.eliminations) {
        if (solutionAt(solution, struck.cell) == struck.digit) {
            return ::testing::AssertionFailure() << "strikes " << int(struck.digit) << " from " << cellName(struck.cell)
                                                 << ", the solution's digit";
        }
    }
    for (Candidate placed : step.placements) {
        if (solutionAt(solution, placed.cell) != placed.digit) {
            return ::testing::AssertionFailure() << "places " << int(placed.digit) << " in " << cellName(placed.cell);
        }
    }
    return ::testing::AssertionSuccess();
}

void strike(CandidateGrid& grid, const Step& step)
{
    for (Candidate struck : step.eliminations) {
        grid.eliminate(struck.cell, struck.digit);
    }
}

// Grids along a path of chain steps from the givens: each puzzle's givens,
// then the grid after each of its first few single chains.
struct ChainGrid {
    CandidateGrid grid;
    std::string solution;
};

std::vector<ChainGrid> gridsAlongChains(int puzzles, int stepsEach)
{
    std::vector<ChainGrid> grids;
    const std::vector<PuzzleLine> lines = readPuzzles("diabolical_puzzles.txt");
    for (int n = 0; n < puzzles && n < static_cast<int>(lines.size()); ++n) {
        CandidateGrid grid = gridOf(lines[n].puzzle);
        for (int step = 0; step < stepsEach; ++step) {
            grids.push_back({grid, lines[n].solution});
            const std::optional<SingleChainStep> chain = findSingleChain(grid);
            if (!chain) {
                break;
            }
            strike(grid, chain->step);
        }
    }
    return grids;
}

TEST(ChainRating, TheLengthBonusAddsATenthAtEachLimitOfTheScale)
{
    // Chain lengths (nodes) and the rating of a forcing chain (base 7.0):
    // a tenth more each time the length less two passes 4, 6, 8, 12, 16,
    // 24, 32 and 48.
    const std::vector<std::pair<int, int>> expected = {
        {4, 70},  {6, 70},  {7, 71},  {8, 71},  {9, 72},  {10, 72}, {11, 73}, {14, 73}, {15, 74},
        {18, 74}, {19, 75}, {26, 75}, {27, 76}, {34, 76}, {35, 77}, {50, 77}, {51, 78},
    };
    for (const auto& [length, tenths] : expected) {
        EXPECT_EQ(ratingInTenths(chainDifficulty(7.0, length)), tenths) << length << " nodes";
    }
    // Equal sums of tenths compare equal whatever the base: an X-cycle of 7
    // nodes ranks with a forcing X-chain of 5, then by length.
    EXPECT_EQ(chainDifficulty(6.5, 7), chainDifficulty(6.6, 5));
}

TEST(SingleChains, EveryChainIsSoundAndTheQuickSearchFindsTheLaddersFirst)
{
    int withChains = 0;
    for (const ChainGrid& entry : gridsAlongChains(12, 6)) {
        const std::vector<SingleChainStep> all = allSingleChains(entry.grid);
        const std::optional<SingleChainStep> first = findSingleChain(entry.grid);
        ASSERT_EQ(first.has_value(), !all.empty());
        if (!first) {
            continue;
        }
        ++withChains;
        EXPECT_EQ(first->step.eliminations, all.front().step.eliminations);
        EXPECT_EQ(first->step.placements, all.front().step.placements);
        EXPECT_EQ(first->step.rating, all.front().step.rating);
        EXPECT_EQ(first->step.chain, all.front().step.chain);
        EXPECT_EQ(first->kind, all.front().kind);
        for (const SingleChainStep& chain : all) {
            ASSERT_TRUE(isSound(chain.step, entry.solution));
            EXPECT_GE(chain.step.rating, all.front().step.rating);
            // A chain reads as one line of inference: each link starts where
            // the one before it ends.
            for (std::size_t i = 1; i < chain.step.chain.size(); ++i) {
                ASSERT_EQ(chain.step.chain[i].from, chain.step.chain[i - 1].to);
            }
        }
    }
    EXPECT_GT(withChains, 40);
}

TEST(SingleChains, ACycleClosesOnItsStartAndAForcingChainOnItsStartsNegation)
{
    for (const ChainGrid& entry : gridsAlongChains(6, 4)) {
        for (const SingleChainStep& chain : allSingleChains(entry.grid)) {
            const std::vector<ChainLink>& links = chain.step.chain;
            ASSERT_FALSE(links.empty());
            const ChainNode start = links.front().from;
            const ChainNode end = links.back().to;
            EXPECT_EQ(start.candidate, end.candidate);
            const bool cycle = chain.kind == SingleChainKind::xCycle || chain.kind == SingleChainKind::yCycle
                               || chain.kind == SingleChainKind::cycle;
            EXPECT_EQ(start.on == end.on, cycle);
            // Links alternate: weak from an on node, strong from an off one.
            for (const ChainLink& link : links) {
                EXPECT_NE(link.from.on, link.to.on);
            }
        }
    }
}

TEST(ForcingChains, EveryChainIsSoundAndTheQuickSearchFindsTheLaddersFirst)
{
    const std::vector<ChainGrid> grids = gridsAlongChains(4, 3);
    for (ForcingLevel level : {ForcingLevel::nishio, ForcingLevel::multiple, ForcingLevel::dynamic}) {
        int found = 0;
        for (const ChainGrid& entry : grids) {
            const std::vector<ForcingChainStep> all = allForcingChains(entry.grid, level);
            const std::optional<ForcingChainStep> first = findForcingChain(entry.grid, level);
            ASSERT_EQ(first.has_value(), !all.empty());
            if (!first) {
                continue;
            }
            ++found;
            EXPECT_EQ(first->step.eliminations, all.front().step.eliminations);
            EXPECT_EQ(first->step.rating, all.front().step.rating);
            EXPECT_EQ(first->kind, all.front().kind);
            for (const ForcingChainStep& chain : all) {
                ASSERT_TRUE(isSound(chain.step, entry.solution)) << "level " << int(level);
                EXPECT_FALSE(chain.step.chainBranches.empty());
            }
        }
        EXPECT_GT(found, 0) << "level " << int(level);
    }
}

TEST(ForcingChains, DynamicChainsWithSubsetsAreSound)
{
    const std::vector<ChainGrid> grids = gridsAlongChains(2, 2);
    for (const ChainGrid& entry : grids) {
        const std::optional<ForcingChainStep> step = findForcingChain(entry.grid, ForcingLevel::dynamicPlus);
        ASSERT_TRUE(step.has_value());
        EXPECT_TRUE(isSound(step->step, entry.solution));
        EXPECT_GE(step->step.rating, 90);
    }
}

TEST(AlignedTriplets, WhatTheyStrikeIsNeverTheSolutionsDigit)
{
    int found = 0;
    for (const ChainGrid& entry : gridsAlongChains(12, 6)) {
        if (const std::optional<Step> step = findFirst(rowNamed("aligned-triplet-exclusion"), entry.grid)) {
            ++found;
            EXPECT_TRUE(isSound(*step, entry.solution));
            EXPECT_EQ(step->rating, 75);
        }
    }
    EXPECT_GT(found, 0);
}

}  // namespace
