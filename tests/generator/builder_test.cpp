#include "candidates.h"
#include "clue_removal.h"
#include "full_grid.h"
#include "grid.h"
#include "line_minimum.h"
#include "literal_generator.h"
#include "logic_test.h"
#include "puzzle_builder.h"
#include "search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

void ignoreBar(int) {}

std::string valuesOf(const Board& board)
{
    std::string text;
    for (int cell = 0; cell < 81; ++cell) {
        text += static_cast<char>('0' + board.value[cell]);
    }
    return text;
}

int emptyIn(const Board& board, int unit)
{
    const auto& cells = unitCells[unit];
    return static_cast<int>(std::count_if(cells.begin(), cells.end(), [&](int cell) { return board.value[cell] == 0; }));
}

struct GlobalsCopy {
    std::string values;
    std::string candidates;
    std::string solutionText;
    int progressFlag = 0;
};

GlobalsCopy copyGlobals()
{
    GlobalsCopy copy;
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            copy.values += grid[i][j].value.read() + ",";
            copy.candidates += grid[i][j].candidates.read() + ",";
            copy.solutionText += solution[i][j] + ",";
        }
    }
    copy.progressFlag = progress;
    return copy;
}

class GeneratorTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { resetEngineState(); }
    void TearDown() override { resetEngineState(); }
};

INSTANTIATE_TEST_SUITE_P(EveryDifficulty, GeneratorTest, ::testing::Values(1, 2, 3, 4));

}  // namespace

TEST_P(GeneratorTest, LeavesExactlyWhatTheStepsByHandLeave)
{
    const int difficulty = GetParam();
    for (std::uint64_t seed = 1; seed <= 25; ++seed) {
        RandomInt literalRandom(seed);
        const std::vector<int> literalBars = literalGeneratePuzzle(difficulty, std::ref(literalRandom), maxBuildAttempts);
        const GlobalsCopy expected = copyGlobals();

        resetEngineState();
        RandomInt random(seed);
        std::vector<int> bars;
        generatePuzzle(difficulty, std::ref(random), [&](int position) { bars.push_back(position); });
        const GlobalsCopy actual = copyGlobals();

        EXPECT_EQ(actual.values, expected.values) << "seed " << seed;
        EXPECT_EQ(actual.candidates, expected.candidates) << "seed " << seed;
        EXPECT_EQ(actual.solutionText, expected.solutionText) << "seed " << seed;
        EXPECT_EQ(actual.progressFlag, expected.progressFlag) << "seed " << seed;
        EXPECT_EQ(bars, literalBars) << "seed " << seed;
        // The same seed again draws the same puzzle.
        RandomInt again(seed);
        generatePuzzle(difficulty, std::ref(again), ignoreBar);
        EXPECT_EQ(copyGlobals().values, expected.values) << "seed " << seed;
        resetEngineState();
    }
}

TEST_P(GeneratorTest, EveryPuzzleHasOneSolutionAndTheEmptyCellsItsLevelAsks)
{
    const int difficulty = GetParam();
    RandomInt random(1000 + difficulty);
    for (int n = 0; n < 300; ++n) {
        const PuzzleBuild build = buildPuzzle(difficulty, std::ref(random), ignoreBar);
        ASSERT_EQ(countSolutions(build.puzzle, 2), 1) << valuesOf(build.puzzle);
        for (int line = 0; line < 18; ++line) {
            ASSERT_GE(emptyIn(build.puzzle, line), difficulty) << "line " << line << ": " << valuesOf(build.puzzle);
        }
        // The finished puzzle is the removal's puzzle with clues taken away,
        // never one with a digit changed or added.
        for (int cell = 0; cell < 81; ++cell) {
            if (build.puzzle.value[cell] != 0) {
                ASSERT_EQ(build.puzzle.value[cell], build.afterRemoval.value[cell]);
            }
        }
    }
}

TEST_P(GeneratorTest, AfterRemovalEveryBoxHoldsAClueAndTheLogicTestFillsTheGrid)
{
    const int difficulty = GetParam();
    RandomInt random(2000 + difficulty);
    for (int n = 0; n < 150; ++n) {
        const PuzzleBuild build = buildPuzzle(difficulty, std::ref(random), ignoreBar);
        for (int box = 18; box < 27; ++box) {
            ASSERT_LT(emptyIn(build.afterRemoval, box), 9) << "box " << box - 18;
        }
        Board tested = build.afterRemoval;
        ASSERT_TRUE(passesLogicTest(tested, difficulty)) << valuesOf(build.afterRemoval);
        // The test fills it with the one solution.
        ASSERT_EQ(countSolutions(build.afterRemoval, 2), 1);
    }
}

TEST_P(GeneratorTest, BarRunsFiveTenElevenTwelveThenUpByTwoToNinetyThenNinetyOneNinetyTwo)
{
    const int difficulty = GetParam();
    RandomInt random(3000 + difficulty);
    int restarts = 0;
    for (int n = 0; n < 40; ++n) {
        std::vector<int> bars;
        const PuzzleBuild build = buildPuzzle(difficulty, std::ref(random), [&](int position) { bars.push_back(position); });
        std::size_t at = 0;
        for (int attempt = 0; attempt < build.attempts; ++attempt) {
            ASSERT_GE(bars.size(), at + 6);
            EXPECT_EQ(std::vector<int>(bars.begin() + at, bars.begin() + at + 4), (std::vector<int>{5, 10, 11, 12}));
            at += 4;
            int expected = 12;
            int trials = 0;
            while (at < bars.size() && bars[at] != 91) {
                expected = std::min(expected + 2, 90);
                ASSERT_EQ(bars[at], expected);
                ++at;
                ++trials;
            }
            EXPECT_GE(trials, difficulty);
            ASSERT_LT(at + 1, bars.size());
            EXPECT_EQ(bars[at], 91);
            EXPECT_EQ(bars[at + 1], 92);
            at += 2;
        }
        EXPECT_EQ(at, bars.size());
        restarts += build.attempts - 1;
    }
    if (difficulty == 4) {
        EXPECT_GT(restarts, 0) << "no Hard build had to start again; the sequence of a restart went unchecked";
    }
}

TEST(GeneratorFallback, AfterTheLastAllowedAttemptTheRemovalsPuzzleIsShown)
{
    RandomInt random(4242);
    int fallbacks = 0;
    for (int n = 0; n < 60; ++n) {
        const PuzzleBuild build = buildPuzzle(4, std::ref(random), ignoreBar, 1);
        ASSERT_EQ(build.attempts, 1);
        ASSERT_EQ(countSolutions(build.puzzle, 2), 1) << valuesOf(build.puzzle);
        if (build.puzzle.value == build.afterRemoval.value) {
            ++fallbacks;
        }
    }
    EXPECT_GT(fallbacks, 0);
}

TEST(GeneratorSteps, TheFirstTrialAlwaysPasses)
{
    RandomInt random(5);
    for (int n = 0; n < 40; ++n) {
        Board full = drawDiagonalBoxes(std::ref(random));
        completeGrid(full);
        ASSERT_EQ(countSolutions(full, 2), 1) << "the completed grid is not full and valid";
        for (int cell = 0; cell < 81; ++cell) {
            for (int difficulty = 1; difficulty <= 4; ++difficulty) {
                Board trial = full;
                trial.clear(cell);
                ASSERT_TRUE(passesLogicTest(trial, difficulty));
                ASSERT_EQ(trial.value, full.value);
            }
        }
    }
}

TEST(GeneratorSteps, DiagonalBoxesHoldEveryDigitAndNothingElseIsFilled)
{
    RandomInt random(6);
    std::vector<std::string> seen;
    for (int n = 0; n < 20; ++n) {
        const Board board = drawDiagonalBoxes(std::ref(random));
        for (int box = 18; box < 27; ++box) {
            const bool diagonal = box == 18 || box == 22 || box == 26;
            EXPECT_EQ(board.present[box], diagonal ? allDigits : 0) << "box " << box - 18;
            EXPECT_EQ(emptyIn(board, box), diagonal ? 0 : 9);
        }
        seen.push_back(valuesOf(board));
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end()) << "two draws gave the same boxes";
}

TEST(GeneratorSteps, RemovalLeavesEveryBoxItsLastClueWhateverTheJudge)
{
    // A judge that lets every removal stand: only the removal's own rule
    // keeps a clue in a box, and the round bound ends it.
    const TrialJudge passesAll = [](Board&, int) { return true; };
    RandomInt random(11);
    for (int difficulty = 1; difficulty <= 4; ++difficulty) {
        Board board = drawDiagonalBoxes(std::ref(random));
        completeGrid(board);
        removeCluesAtRandom(board, difficulty, std::ref(random), ignoreBar, passesAll);
        for (int box = 18; box < 27; ++box) {
            EXPECT_EQ(emptyIn(board, box), 8) << "difficulty " << difficulty << ", box " << box - 18;
        }
    }
}

TEST(GeneratorSteps, LogicTestFailsWhereOnlySearchCouldFill)
{
    Board empty;
    for (int difficulty = 1; difficulty <= 4; ++difficulty) {
        Board trial = empty;
        EXPECT_FALSE(passesLogicTest(trial, difficulty));
    }
}

TEST(LineMinimum, TiesGoToTheTopmostThenTheLeftmostClue)
{
    RandomInt random(7);
    Board full = drawDiagonalBoxes(std::ref(random));
    completeGrid(full);

    // Every row is full, so each column takes the topmost clue of the rows
    // with the most clues left: the main diagonal goes.
    Board columns = full;
    emptyColumnsToMinimum(columns, 1);
    for (int cell = 0; cell < 81; ++cell) {
        EXPECT_EQ(columns.value[cell] == 0, columnOf(cell) == rowOf(cell)) << "cell " << cell;
    }
    // Each row has its empty cell already.
    Board rows = columns;
    emptyRowsToMinimum(rows, 1);
    EXPECT_EQ(rows.value, columns.value);

    Board rowsFirst = full;
    emptyRowsToMinimum(rowsFirst, 1);
    for (int cell = 0; cell < 81; ++cell) {
        EXPECT_EQ(rowsFirst.value[cell] == 0, columnOf(cell) == rowOf(cell)) << "cell " << cell;
    }
}

TEST(LineMinimum, PrefersTheClueWhoseCrossLineHoldsMost)
{
    RandomInt random(8);
    Board board = drawDiagonalBoxes(std::ref(random));
    completeGrid(board);
    // Rows 0, 1 and 2 lose clues outside column 0, so rows 3 to 8 are the
    // fullest: column 0 gives up row 3, then row 4, which is full still.
    for (int cell : {cellIndex(1, 0), cellIndex(2, 0), cellIndex(3, 0), cellIndex(5, 1), cellIndex(6, 1),
                     cellIndex(4, 2)}) {
        board.clear(cell);
    }
    const Board before = board;
    emptyColumnsToMinimum(board, 2);
    for (int row = 0; row < 9; ++row) {
        EXPECT_EQ(board.value[cellIndex(0, row)] == 0, row == 3 || row == 4) << "row " << row;
    }
    for (int column = 0; column < 9; ++column) {
        EXPECT_GE(emptyIn(board, columnUnit(column)), 2);
    }
    for (int cell = 0; cell < 81; ++cell) {
        if (board.value[cell] != 0) {
            EXPECT_EQ(board.value[cell], before.value[cell]);
        }
    }
}

TEST(RandomIntTest, StaysInRangeReachesEveryValueAndRepeatsForASeed)
{
    RandomInt first(99);
    RandomInt second(99);
    for (int n : {0, 1, 2, 8, 17}) {
        std::vector<int> hits(static_cast<std::size_t>(n) + 1);
        for (int draw = 0; draw < 2000; ++draw) {
            const int value = first(n);
            ASSERT_EQ(value, second(n));
            ASSERT_GE(value, 0);
            ASSERT_LE(value, n);
            ++hits[static_cast<std::size_t>(value)];
        }
        for (int hit : hits) {
            EXPECT_GT(hit, 2000 / (n + 1) / 2) << "range 0.." << n;
        }
    }
}
