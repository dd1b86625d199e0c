#include "engine_test_support.h"
#include "solve_command.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

const char* const clashRefusal =
    "Puzzle cannot be solved.  There are numbers of the same value on the same row, column or 3x3 grid";
const char* const noSolution = "Puzzle cannot be solved.  It has no solution.";

// Records what Solve does to the window, and answers the tick counter from
// a list of readings.
struct FakeHost {
    explicit FakeHost(std::vector<std::int64_t> readings = {}) : tickReadings(std::move(readings)) {}

    std::vector<std::int64_t> tickReadings;
    int ticksRead = 0;
    std::vector<std::pair<int, std::string>> writes;
    std::vector<std::pair<std::string, std::string>> messages;
    int writesBeforeLastTick = -1;

    SolveHost host()
    {
        return SolveHost{
            [this](int fieldId, std::string_view text) { writes.emplace_back(fieldId, std::string(text)); },
            [this](std::string_view title, std::string_view text) {
                messages.emplace_back(std::string(title), std::string(text));
            },
            [this] {
                writesBeforeLastTick = static_cast<int>(writes.size());
                return tickReadings.at(ticksRead++);
            }};
    }

    void run()
    {
        const SolveHost solveHost = host();
        solveCommand(solveHost);
    }
};

const char* const puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const char* const solved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

}  // namespace

class SolveCommandTest : public EngineTest {};

TEST_F(SolveCommandTest, ClashingCellIsRefusedAndNothingChanges)
{
    loadValues(puzzle);
    setValue(2, 0, "5");  // clashes with the 5 at (0, 0)
    grid[2][0].clash = 1;
    grid[0][0].clash = 1;
    setCandidates(4, 4, "36");
    progress = 1;
    const GridCopy before = copyGrid();
    FakeHost fake;

    fake.run();

    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].first, "Un-Solvable!");
    EXPECT_EQ(fake.messages[0].second, clashRefusal);
    EXPECT_TRUE(fake.writes.empty());
    EXPECT_EQ(fake.ticksRead, 0);
    EXPECT_TRUE(gridEquals(before));
    EXPECT_EQ(progress, 1);
}

TEST_F(SolveCommandTest, AClashFlagInAnyCellIsRefused)
{
    loadValues(puzzle);
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            grid[i][j].clash = 1;
            FakeHost fake;
            fake.run();
            ASSERT_EQ(fake.messages.size(), 1u) << i << "," << j;
            EXPECT_EQ(fake.messages[0].first, "Un-Solvable!") << i << "," << j;
            EXPECT_TRUE(fake.writes.empty()) << i << "," << j;
            grid[i][j].clash = 0;
        }
    }
}

TEST_F(SolveCommandTest, SolvedPuzzleIsShownWithTheMilliseconds)
{
    loadValues(puzzle);
    FakeHost fake({1000, 1042});

    fake.run();

    EXPECT_EQ(valuesInReadingOrder(), solved);
    ASSERT_EQ(fake.writes.size(), 81u);
    for (int n = 0; n < 81; ++n) {
        const int i = n / 9;
        const int j = n % 9;
        EXPECT_EQ(fake.writes[n].first, cellFieldId(i, j));
        EXPECT_EQ(fake.writes[n].second, std::string(1, solved[9 * j + i]));
    }
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].first, "Solved!");
    EXPECT_EQ(fake.messages[0].second, "Puzzle solved in 42 milliseconds.");
    EXPECT_EQ(fake.ticksRead, 2);
    EXPECT_EQ(fake.writesBeforeLastTick, 0);  // the write-back is not timed
    EXPECT_EQ(progress, 0);
}

// Readings long after start-up are subtracted exactly.
TEST_F(SolveCommandTest, ElapsedTimeIsExactAtAnyTickCount)
{
    FakeHost late({(std::int64_t{1} << 33) + 1, (std::int64_t{1} << 33) + 8});
    late.run();
    EXPECT_EQ(late.messages.at(0).second, "Puzzle solved in 7 milliseconds.");

    resetEngineState();
    FakeHost instant({5000, 5000});
    instant.run();
    EXPECT_EQ(instant.messages.at(0).second, "Puzzle solved in 0 milliseconds.");
}

TEST_F(SolveCommandTest, EmptyGridIsFilledInReadingOrder)
{
    FakeHost fake({0, 3});
    fake.run();
    EXPECT_EQ(valuesInReadingOrder(),
              "123456789456789123789123456214365897365897214897214365531642978642978531978531642");
    EXPECT_EQ(fake.messages.at(0).first, "Solved!");
}

TEST_F(SolveCommandTest, CompleteGridStaysAsItIs)
{
    loadValues(solved);
    FakeHost fake({10, 11});
    fake.run();
    EXPECT_EQ(valuesInReadingOrder(), solved);
    EXPECT_EQ(fake.writes.size(), 81u);
    EXPECT_EQ(fake.messages.at(0).second, "Puzzle solved in 1 milliseconds.");
}

TEST_F(SolveCommandTest, UnsolvableGridKeepsEveryValueAndField)
{
    // Clash-free, but a wrong digit: the techniques place digits before the
    // search finds that nothing fits.
    std::string unsolvable = puzzle;
    unsolvable[2] = '2';  // the solution has a 4 there
    loadValues(unsolvable);
    runSolveTechniqueLoop();
    ASSERT_NE(valuesInReadingOrder(), unsolvable) << "the techniques should place something";
    loadValues(unsolvable);
    FakeHost fake({100, 150});

    fake.run();

    EXPECT_EQ(valuesInReadingOrder(), unsolvable);
    EXPECT_TRUE(fake.writes.empty());
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].first, "Un-Solvable!");
    EXPECT_EQ(fake.messages[0].second, noSolution);
}

TEST_F(SolveCommandTest, HangExampleIsAnsweredAtOnce)
{
    loadValues(hangExample);
    const std::string before = valuesInReadingOrder();
    FakeHost fake({0, 1});
    fake.run();
    EXPECT_EQ(valuesInReadingOrder(), before);
    EXPECT_TRUE(fake.writes.empty());
    EXPECT_EQ(fake.messages.at(0).second, noSolution);
}

TEST_F(SolveCommandTest, RatedPuzzlesGetTheirOneSolution)
{
    for (const PuzzleLine& line : readPuzzles("rated_puzzles.txt")) {
        loadValues(line.puzzle);
        Board board = Board::fromGrid();
        ASSERT_FALSE(givensClash(board)) << line.puzzle;
        EXPECT_TRUE(solvePuzzle(board)) << line.puzzle;
        board.toGrid();
        EXPECT_EQ(valuesInReadingOrder(), line.solution) << line.puzzle;
    }
}

namespace {

// True when the filling keeps every given of the puzzle and holds each digit
// once in every column, row and box.
bool solves(const std::string& filling, const std::string& puzzle)
{
    for (int n = 0; n < 81; ++n) {
        if (puzzle[n] != '.' && puzzle[n] != filling[n]) {
            return false;
        }
    }
    for (const auto& unit : unitCells) {
        std::string digits;
        for (int cell : unit) {
            digits += filling[9 * rowOf(cell) + columnOf(cell)];
        }
        std::sort(digits.begin(), digits.end());
        if (digits != "123456789") {
            return false;
        }
    }
    return true;
}

}  // namespace

// A wrong digit in a puzzle with one solution leaves it with none, however
// deep the search must go to prove it.
TEST_F(SolveCommandTest, HardPuzzlesAreSolvedAndWithAWrongDigitRefused)
{
    for (const PuzzleLine& line : readPuzzles("hard_puzzles.txt")) {
        SCOPED_TRACE(line.puzzle);
        loadValues(line.puzzle);
        Board board = Board::fromGrid();
        ASSERT_TRUE(solvePuzzle(board));
        board.toGrid();
        const std::string solution = valuesInReadingOrder();
        ASSERT_TRUE(solves(solution, line.puzzle)) << solution;

        const std::size_t empty = line.puzzle.find('.', 40);
        loadValues(line.puzzle);
        const DigitMask peers = Board::fromGrid().peerDigits(cellIndex(empty % 9, empty / 9));
        std::string wrong = line.puzzle;
        for (char digit = '1'; digit <= '9' && wrong == line.puzzle; ++digit) {
            if (digit != solution[empty] && !(peers & digitBit(digit - '0'))) {
                wrong[empty] = digit;
            }
        }
        ASSERT_NE(wrong, line.puzzle);
        loadValues(wrong);
        Board unsolvable = Board::fromGrid();
        EXPECT_FALSE(solvePuzzle(unsolvable));
        unsolvable.toGrid();
        EXPECT_EQ(valuesInReadingOrder(), wrong);
    }
}

TEST_F(SolveCommandTest, GivensClashSeesEqualDigitsInAnyUnit)
{
    EXPECT_FALSE(givensClash(Board::fromGrid()));
    setValue(0, 0, "3");
    setValue(8, 8, "3");
    EXPECT_FALSE(givensClash(Board::fromGrid()));
    setValue(2, 2, "3");  // same box as (0, 0)
    EXPECT_TRUE(givensClash(Board::fromGrid()));
    setValue(2, 2, "");
    setValue(8, 0, "3");  // same column as (8, 8)
    EXPECT_TRUE(givensClash(Board::fromGrid()));
}
