#include "candidates.h"
#include "engine_test_support.h"
#include "literal_search.h"
#include "search.h"

#include <bit>

// The pruned search against the plain one, from the same grids: the same
// result, the same values, nothing else changed. The plain search is given a
// call budget; cases where it runs out are not compared, but enough must be.

namespace {

constexpr long callBudget = 20000;

struct Tally {
    int compared = 0;
    int skipped = 0;
};

void compareSearches(int column, int row, Tally& tally)
{
    const GridCopy start = copyGrid();
    SearchBudget budget{callBudget};
    const int expectedResult = literalTrySolve(column, row, budget);
    const GridCopy expected = copyGrid();
    restoreGrid(start);
    if (expectedResult == budgetSpent) {
        ++tally.skipped;
        return;
    }
    ++tally.compared;
    EXPECT_EQ(trySolve(column, row), expectedResult);
    EXPECT_TRUE(gridEquals(expected));
}

class SearchOracleTest : public EngineTest {
protected:
    RandomGrids random{20261207};

    // Strikes random digits out of the open cells' candidate texts, keeping
    // them ascending: the search must try what is left in the order left.
    void thinCandidates()
    {
        for (int i = 0; i < 9; ++i) {
            for (int j = 0; j < 9; ++j) {
                std::string text = candidatesAt(i, j);
                if (!valueAt(i, j).empty() || text.size() < 2) {
                    continue;
                }
                text.erase(random.below(static_cast<int>(text.size())), 1);
                setCandidates(i, j, text);
            }
        }
    }
};

}  // namespace

TEST_F(SearchOracleTest, PuzzlesWithOneSolution)
{
    Tally fresh;
    Tally narrowed;
    for (const PuzzleLine& line : readPuzzles("rated_puzzles.txt")) {
        SCOPED_TRACE(line.puzzle);
        loadValues(line.puzzle);
        initCandidates();
        compareSearches(0, 0, fresh);
        runSolveTechniqueLoop();
        compareSearches(0, 0, narrowed);
    }
    for (const PuzzleLine& line : readPuzzles("hard_puzzles.txt")) {
        SCOPED_TRACE(line.puzzle);
        loadValues(line.puzzle);
        runSolveTechniqueLoop();
        compareSearches(0, 0, narrowed);
    }
    EXPECT_GE(fresh.compared, 100) << fresh.skipped << " skipped";
    EXPECT_GE(narrowed.compared, 150) << narrowed.skipped << " skipped";
}

TEST_F(SearchOracleTest, GridsWithSeveralSolutions)
{
    Tally tally;
    int several = 0;
    for (const PuzzleLine& line : readPuzzles("rated_puzzles.txt")) {
        const std::string puzzle = random.withoutCells(line.solution, 45 + random.below(20));
        SCOPED_TRACE(puzzle);
        loadValues(puzzle);
        several += countSolutions(2) == 2;
        initCandidates();
        if (random.below(2) == 0) {
            thinCandidates();
        }
        compareSearches(0, 0, tally);
    }
    EXPECT_GE(several, 100);
    EXPECT_GE(tally.compared, 110) << tally.skipped << " skipped";
}

TEST_F(SearchOracleTest, NearlyEmptyGridsWithThinnedCandidates)
{
    Tally tally;
    for (const PuzzleLine& line : readPuzzles("rated_puzzles.txt")) {
        const std::string puzzle = random.withoutCells(line.solution, 71 + random.below(11));
        SCOPED_TRACE(puzzle);
        loadValues(puzzle);
        initCandidates();
        thinCandidates();
        compareSearches(0, 0, tally);
    }
    EXPECT_GE(tally.compared, 120) << tally.skipped << " skipped";
}

TEST_F(SearchOracleTest, GridsWithoutSolution)
{
    Tally tally;
    int none = 0;
    for (const PuzzleLine& line : readPuzzles("rated_puzzles.txt")) {
        // A digit that the one solution does not have in that cell, though
        // no given stands in its way.
        std::string puzzle = random.withoutCells(line.solution, 40 + random.below(15));
        loadValues(puzzle);
        const Board board = Board::fromGrid();
        for (int n = random.below(81);; n = (n + 1) % 81) {
            const DigitMask peers = board.peerDigits(cellIndex(n % 9, n / 9));
            const auto wrong = static_cast<DigitMask>(allDigits & ~peers & ~digitBit(line.solution[n] - '0'));
            if (puzzle[n] == '.' && wrong != 0) {
                puzzle[n] = static_cast<char>('0' + std::countr_zero(static_cast<unsigned>(wrong)));
                break;
            }
        }
        SCOPED_TRACE(puzzle);
        loadValues(puzzle);
        none += countSolutions(2) == 0;
        if (random.below(2) == 0) {
            initCandidates();
        } else {
            runSolveTechniqueLoop();
        }
        compareSearches(0, 0, tally);
    }
    EXPECT_GE(none, 100);
    EXPECT_GE(tally.compared, 120) << tally.skipped << " skipped";
}

TEST_F(SearchOracleTest, StartsAfterTheFirstCell)
{
    Tally tally;
    for (const PuzzleLine& line : readPuzzles("rated_puzzles.txt")) {
        const std::string puzzle = random.withoutCells(line.solution, 30 + random.below(30));
        SCOPED_TRACE(puzzle);
        loadValues(puzzle);
        initCandidates();
        thinCandidates();
        compareSearches(random.below(9), random.below(9), tally);
    }
    EXPECT_GE(tally.compared, 120) << tally.skipped << " skipped";
}

TEST_F(SearchOracleTest, GridsWithEqualGivens)
{
    Tally tally;
    for (const PuzzleLine& line : readPuzzles("rated_puzzles.txt")) {
        std::string puzzle = random.withoutCells(line.solution, 10 + random.below(20));
        const int n = random.below(81);
        puzzle[n] = puzzle[(n + 1 + random.below(8)) % 9 + 9 * (n / 9)];  // repeats a digit of its row
        if (puzzle[n] == '.') {
            continue;
        }
        SCOPED_TRACE(puzzle);
        loadValues(puzzle);
        initCandidates();
        compareSearches(0, 0, tally);
    }
    EXPECT_GE(tally.compared, 100) << tally.skipped << " skipped";
}
