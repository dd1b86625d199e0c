#include "chains/chain_rank.h"
#include "chains/chain_words.h"
#include "chains/link_lists.h"
#include "chains/propagation.h"
#include "chains/single_chains.h"
#include "chains/subset_strikes.h"
#include "engine_test_support.h"
#include "puzzle_check.h"
#include "technique_table.h"
#include "time_limit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

int cellAt(int row, int column) { return cellIndex(column - 1, row - 1); }

Node on(int row, int column, int digit) { return nodeOf(cellAt(row, column), digit, true); }
Node off(int row, int column, int digit) { return nodeOf(cellAt(row, column), digit, false); }

std::vector<Node> listed(LinkLists::Range range) { return {range.begin(), range.end()}; }

ChainLink link(Node from, Node to) { return {chainNode(from), chainNode(to)}; }

// An empty grid where 5 has two places in box 1 (r1c1 and r3c3) and two in
// row 1 (r1c1 and r1c5), and r1c1 holds only 5 and 7.
CandidateGrid twoPlacesGrid()
{
    CandidateGrid grid = CandidateGrid::fromValues(Board{});
    for (int column = 1; column <= 9; ++column) {
        if (column != 1 && column != 5) {
            grid.eliminate(cellAt(1, column), 5);
        }
    }
    for (int row = 2; row <= 3; ++row) {
        for (int column = 1; column <= 3; ++column) {
            if (row != 3 || column != 3) {
                grid.eliminate(cellAt(row, column), 5);
            }
        }
    }
    for (int digit : {1, 2, 3, 4, 6, 8, 9}) {
        grid.eliminate(cellAt(1, 1), digit);
    }
    return grid;
}

// The order links are walked in decides which chain a search meets first,
// and so the rating: the cell's digits, then the box in reading order, then
// the rest of the row, then the rest of the column.
TEST(LinkLists, WalkTheCellThenTheBoxRowAndColumnInReadingOrder)
{
    const CandidateGrid grid = twoPlacesGrid();
    const LinkLists links(grid);
    EXPECT_EQ(listed(links.weakInCell(on(1, 1, 5))), (std::vector<Node>{off(1, 1, 7)}));
    EXPECT_EQ(listed(links.weakInRegions(on(1, 1, 5))),
              (std::vector<Node>{off(3, 3, 5), off(1, 5, 5), off(4, 1, 5), off(5, 1, 5), off(6, 1, 5), off(7, 1, 5),
                                 off(8, 1, 5), off(9, 1, 5)}));
    const std::vector<Node> fromR2C2 = listed(links.weakInRegions(on(2, 2, 7)));
    ASSERT_EQ(fromR2C2.size(), 20u);
    EXPECT_EQ(std::vector<Node>(fromR2C2.begin(), fromR2C2.begin() + 9),
              (std::vector<Node>{off(1, 1, 7), off(1, 2, 7), off(1, 3, 7), off(2, 1, 7), off(2, 3, 7), off(3, 1, 7),
                                 off(3, 2, 7), off(3, 3, 7), off(2, 4, 7)}));
    EXPECT_EQ(fromR2C2.back(), off(9, 2, 7));

    // Not 5 in r1c1: 7 there, then 5 at the other place of the box, then of
    // the row; the column has more places.
    EXPECT_EQ(listed(links.strongInCell(off(1, 1, 5))), (std::vector<Node>{on(1, 1, 7)}));
    EXPECT_EQ(listed(links.strongInRegions(off(1, 1, 5))), (std::vector<Node>{on(3, 3, 5), on(1, 5, 5)}));
    EXPECT_TRUE(listed(links.strongInCell(off(2, 2, 7))).empty()) << "a cell of nine digits";
}

TEST(Propagation, FollowsAnAssumptionAlongItsLinksWithTheFirstReasonKept)
{
    const CandidateGrid grid = twoPlacesGrid();
    const LinkLists links(grid);
    const PlaceCounts counts = PlaceCounts::of(grid);
    Propagation run;
    run.run(grid, links, counts, off(1, 1, 5), PropagationMode{});
    EXPECT_FALSE(run.contradiction());
    for (Node reached : {on(1, 1, 7), on(3, 3, 5), on(1, 5, 5), off(1, 2, 7), off(3, 4, 5)}) {
        EXPECT_TRUE(run.has(reached)) << reached;
    }
    EXPECT_EQ(run.pathLength(on(3, 3, 5)), 2);
    EXPECT_EQ(run.pathLength(off(3, 4, 5)), 3) << "r3c3's 5 rules out the rest of row 3";
    AncestorCounter counter;
    EXPECT_EQ(counter.count(run, off(3, 4, 5)), 3);

    // 5 in r1c5 rules out r1c1's 5, which leaves r1c1 its 7 and box 1 its
    // 5 in r3c3.
    run.run(grid, links, counts, on(1, 5, 5), PropagationMode{});
    EXPECT_TRUE(run.has(off(1, 1, 5)));
    EXPECT_TRUE(run.has(on(1, 1, 7)));
    EXPECT_TRUE(run.has(on(3, 3, 5)));
    EXPECT_FALSE(run.contradiction());
}

// HoDoKu's first X-Wing case: four cells of one digit in two rows and two
// columns are a loop of four strong and weak links, an X-cycle, and it
// strikes what the X-Wing strikes.
TEST(SingleChains, AnXWingIsTheShortestXCycle)
{
    Board board;
    const std::string givens = "9.....+5+6+1..+6.+1.7+937+1..962486...2+147+9........5....4...642..+586+1+75.71.+2..+4..1....+52";
    int position = 0;
    for (char ch : givens) {
        if (ch == '+') {
            continue;
        }
        if (ch >= '1' && ch <= '9') {
            board.place(cellIndex(position % 9, position / 9), ch - '0');
        }
        ++position;
    }
    const CandidateGrid grid = CandidateGrid::fromValues(board);
    const std::optional<SingleChainStep> step = findSingleChain(grid);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->kind, SingleChainKind::xCycle);
    EXPECT_EQ(step->step.rating, 65);
    EXPECT_EQ(step->step.chain.size(), 4u);
    std::vector<std::pair<int, int>> struck;
    for (const Candidate& candidate : step->step.eliminations) {
        struck.push_back({rowOf(candidate.cell) + 1, columnOf(candidate.cell) + 1});
        EXPECT_EQ(candidate.digit, 3);
    }
    std::sort(struck.begin(), struck.end());
    EXPECT_EQ(struck, (std::vector<std::pair<int, int>>{{1, 3}, {1, 4}, {4, 3}, {4, 4}, {5, 3}, {5, 4}, {6, 3}, {6, 4},
                                                         {9, 4}}));
}

// A chain found later replaces the best so far only when it ranks strictly
// before it: less difficulty, or as much and shorter, or as long and of an
// earlier kind; so the search stops growing chains past that length.
TEST(ChainRating, ALaterChainMustRankStrictlyBefore)
{
    const ChainRank best{chainDifficulty(7.0, 8), 8, 4};  // a forcing chain of 8: 7.1
    EXPECT_TRUE(ranksBefore({chainDifficulty(6.5, 12), 12, 2}, best)) << "6.8 before 7.1";
    EXPECT_TRUE(ranksBefore({chainDifficulty(7.0, 7), 7, 4}, best)) << "7.1, shorter";
    EXPECT_FALSE(ranksBefore({chainDifficulty(7.0, 8), 8, 4}, best)) << "the same: the first found stays";
    EXPECT_TRUE(ranksBefore({chainDifficulty(6.6, 10), 8, 2}, {chainDifficulty(6.6, 10), 8, 4}));
    EXPECT_EQ(longestUseful(7.0, 4, best), 7);
    EXPECT_EQ(longestUseful(7.0, 2, best), 8);
    EXPECT_EQ(longestUseful(6.6, 2, best), 18) << "7.0 from 15 to 18 nodes, 7.1 from 19";
    EXPECT_EQ(longestUseful(7.5, 7, best), 0);
}

// Inside a dynamic chain (+), a pointing that the chain's strikes make
// possible carries it on, with those strikes as its reasons; one that was
// there before the chain adds nothing.
TEST(SubsetStrikes, TakeWhatTheChainsStrikesMadePossibleWithThemAsReasons)
{
    // Box 1's 4 only in r1c1, r1c2 and r2c1.
    CandidateGrid source = CandidateGrid::fromValues(Board{});
    for (const auto& [row, column] : {std::pair{1, 3}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}}) {
        source.eliminate(cellAt(row, column), 4);
    }
    CandidateGrid work = source;
    work.eliminate(cellAt(2, 1), 4);
    std::vector<std::vector<Candidate>> struck;
    std::vector<std::vector<Node>> reasons;
    const SubsetStrikes take = [&](const std::vector<Candidate>& s, const std::vector<Node>& r) {
        struck.push_back(s);
        reasons.push_back(r);
    };
    forFirstSubsetStrikes(source, work, take);
    ASSERT_EQ(struck.size(), 1u);
    std::vector<Candidate> row1;
    for (int column = 4; column <= 9; ++column) {
        row1.push_back(Candidate::of(cellAt(1, column), 4));
    }
    EXPECT_EQ(struck[0], row1) << "box 1's 4 points along row 1";
    EXPECT_EQ(reasons[0], std::vector<Node>{off(2, 1, 4)});

    forFirstSubsetStrikes(work, work, take);
    EXPECT_EQ(struck.size(), 1u) << "the same pointing, there before any strike";
}

TEST(ChainNotation, WritesEachLineOfInferenceInTheForumsLinkNotation)
{
    Step forcing;
    forcing.chain = {link(on(3, 5, 7), off(3, 8, 7)), link(off(3, 8, 7), on(6, 8, 7)), link(on(6, 8, 7), off(6, 8, 3)),
                     link(off(6, 8, 3), on(6, 2, 3)), link(on(6, 2, 3), off(3, 2, 3))};
    EXPECT_EQ(chainNotation(forcing), std::vector<std::string>{"(7)r3c5-(7)r3c8=(7-3)r6c8=(3)r6c2-(3)r3c2"});

    Step loop;
    loop.chain = {link(on(1, 1, 2), off(1, 9, 2)), link(off(1, 9, 2), on(9, 9, 2)), link(on(9, 9, 2), off(9, 1, 2)),
                  link(off(9, 1, 2), on(1, 1, 2))};
    EXPECT_EQ(chainNotation(loop), std::vector<std::string>{"(2)r1c1-(2)r1c9=(2)r9c9-(2)r9c1=(2)r1c1"});

    // Two lines from the two digits of a cell, one through a node reached
    // two ways: its first reason is the one written.
    Step cell;
    cell.chain = {link(on(1, 1, 4), off(1, 2, 4)), link(off(1, 2, 4), on(1, 2, 8)), link(on(1, 1, 9), off(2, 2, 9)),
                  link(off(2, 2, 9), on(2, 2, 1)), link(on(2, 2, 1), off(1, 2, 1)), link(off(1, 2, 1), on(1, 2, 8)),
                  link(off(2, 2, 9), on(1, 2, 8))};
    cell.chainBranches = {0, 2};
    EXPECT_EQ(chainNotation(cell), (std::vector<std::string>{"(4)r1c1-(4=8)r1c2", "(9)r1c1-(9=1)r2c2-(1=8)r1c2"}));
    EXPECT_TRUE(chainNotation(Step{}).empty());
}

TEST(TimeLimit, TheInnermostLimitHoldsAndNoneLimitsNothing)
{
    EXPECT_NO_THROW(checkTimeLimit());
    {
        const TimeLimit generous(std::chrono::hours(1));
        EXPECT_NO_THROW(checkTimeLimit());
        {
            const TimeLimit none(std::chrono::milliseconds(0));
            EXPECT_THROW(checkTimeLimit(), OutOfTime);
        }
        EXPECT_NO_THROW(checkTimeLimit()) << "the outer limit holds again";
    }
    EXPECT_NO_THROW(checkTimeLimit());
}

// Sudoku Explainer's ER and hardest step of puzzles whose hardest step is
// each of the chain techniques in turn.
TEST(Rating, NamesTheHardestChainAsSudokuExplainerDoes)
{
    const std::map<std::string, std::string> titleOf = {
        {"Aligned Triplet Exclusion", "Aligned triplet exclusion"},
        {"Bidirectional Cycle", "Bidirectional cycle"},
        {"Bidirectional Y-Cycle", "Y-cycle"},
        {"Cell Forcing Chains", "Cell forcing chains"},
        {"Dynamic Cell Forcing Chains", "Dynamic cell forcing chains"},
        {"Dynamic Contradiction Forcing Chains", "Dynamic contradiction forcing chains"},
        {"Dynamic Double Forcing Chains", "Dynamic double forcing chains"},
        {"Dynamic Region Forcing Chains", "Dynamic region forcing chains"},
        {"Forcing Chain", "Forcing chain"},
        {"Forcing X-Chain", "Forcing X-chain"},
        {"Nishio Forcing Chains", "Nishio forcing chains"},
        {"Region Forcing Chains", "Region forcing chains"},
        {"Turbot Fish", "Forcing X-chain"},
    };
    std::ifstream file(std::string(KELVARO_ENGINE_TEST_DATA) + "/se_hardest_steps.txt");
    ASSERT_TRUE(file) << "missing test data";
    std::map<std::string, int> seen;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream in(line);
        std::string puzzle, er, name;
        in >> puzzle >> er;
        std::getline(in >> std::ws, name);
        // Without the player's time limit: a slow build on a busy machine must
        // not turn a rating into "too hard to rate in time".
        const LadderRating rating = rateByLadder(puzzleBoard(puzzle), std::chrono::hours(1));
        ASSERT_TRUE(rating.complete) << line;
        EXPECT_EQ(rating.er, 10 * (er[0] - '0') + (er[2] - '0')) << line;
        EXPECT_EQ(techniqueTitle(rating.hardest, rating.hardestForm), titleOf.at(name)) << line;
        ++seen[name];
    }
    EXPECT_EQ(seen.size(), titleOf.size());
}

}  // namespace
