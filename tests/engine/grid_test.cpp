#include "board.h"
#include "engine_test_support.h"
#include "fixed_text.h"

#include <utility>
#include <vector>

TEST(FixedText, StoresTextsUpToItsLengthAndPadsWithZeroBytes)
{
    FixedText<9> candidates;
    EXPECT_TRUE(candidates.empty());
    EXPECT_EQ(candidates.read(), "");

    candidates.store("123456789");
    EXPECT_EQ(candidates.read(), "123456789");  // full: no terminating zero inside

    candidates.store("258");
    EXPECT_EQ(candidates.read(), "258");
    EXPECT_EQ(candidates.bytes()[3], '\0');
    EXPECT_EQ(candidates.bytes()[8], '\0');  // nothing left of the longer text

    candidates.store("1234567890AB");
    EXPECT_EQ(candidates.read(), "123456789");

    FixedText<1> value;
    value.store("73");
    EXPECT_EQ(value.read(), "7");
    value.store("");
    EXPECT_TRUE(value.empty());
    EXPECT_EQ(value.read(), "");
}

TEST(FixedText, ReadingStopsAtTheFirstZeroByte)
{
    FixedText<9> text;
    text.store(std::string_view("12\0" "45", 5));
    EXPECT_EQ(text.read(), "12");
}

TEST(CellFieldIds, RunColumnByColumnFrom17To97)
{
    EXPECT_EQ(cellFieldId(0, 0), 17);
    EXPECT_EQ(cellFieldId(0, 8), 25);
    EXPECT_EQ(cellFieldId(1, 0), 26);
    EXPECT_EQ(cellFieldId(8, 8), 97);
}

class GridTest : public EngineTest {};

TEST_F(GridTest, ShowGridWritesEveryValueColumnByColumnAndEmptiesEmptyFields)
{
    loadValues("5...............................................................................9");
    std::vector<std::pair<int, std::string>> writes;
    showGrid([&](int fieldId, std::string_view text) { writes.emplace_back(fieldId, std::string(text)); });

    ASSERT_EQ(writes.size(), 81u);
    for (int n = 0; n < 81; ++n) {
        EXPECT_EQ(writes[n].first, 17 + n);  // cell (n / 9, n % 9)
    }
    EXPECT_EQ(writes.front().second, "5");
    EXPECT_EQ(writes.back().second, "9");
    for (int n = 1; n < 80; ++n) {
        EXPECT_EQ(writes[n].second, "") << "field " << writes[n].first;
    }
}

TEST_F(GridTest, ShowGridChangesNothingInTheGrid)
{
    setValue(1, 0, "3");
    setValue(7, 0, "1");
    setCandidates(0, 0, "2468");
    grid[1][0].clash = 1;
    const GridCopy before = copyGrid();
    showGrid([](int, std::string_view) {});
    EXPECT_TRUE(gridEquals(before));
}

TEST_F(GridTest, ResetEmptiesEveryTableAndTheFlag)
{
    setValue(0, 0, "1");
    setCandidates(4, 4, "test");
    grid[2][2].clash = 1;
    solution[3][3].push_back('4');
    progress = 1;

    resetEngineState();

    for (int i = 0; i < gridSize; ++i) {
        for (int j = 0; j < gridSize; ++j) {
            EXPECT_EQ(grid[i][j].fieldId, 0);
            EXPECT_TRUE(grid[i][j].value.empty());
            EXPECT_TRUE(grid[i][j].candidates.empty());
            EXPECT_EQ(grid[i][j].clash, 0);
            EXPECT_TRUE(solution[i][j].empty());
        }
    }
    EXPECT_EQ(progress, 0);
}

// Every state a candidate text takes must survive the trip through the
// engine's working form unchanged.
TEST_F(GridTest, BoardRoundTripKeepsValuesCandidateTextsAndTheFlag)
{
    loadValues("4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......");
    const char* texts[] = {"", "123456789", "test", "258", "9", "13"};
    for (int n = 0; n < 81; ++n) {
        setCandidates(n / 9, n % 9, texts[n % 6]);
    }
    progress = 1;
    const GridCopy before = copyGrid();

    Board::fromGrid().toGrid();

    EXPECT_TRUE(gridEquals(before));
    EXPECT_EQ(progress, 1);
}

TEST_F(GridTest, BoardCountsTheDigitsOfEveryUnit)
{
    loadValues("5.......5........................................................................");
    Board board = Board::fromGrid();
    EXPECT_EQ(board.digitCount[rowUnit(0)][5], 2);
    EXPECT_EQ(board.digitCount[columnUnit(8)][5], 1);
    EXPECT_EQ(board.peerDigits(cellIndex(4, 0)), digitBit(5));
    EXPECT_EQ(board.peerDigits(cellIndex(4, 4)), 0);

    board.clear(cellIndex(0, 0));
    EXPECT_EQ(board.digitCount[rowUnit(0)][5], 1);
    EXPECT_EQ(board.present[rowUnit(0)], digitBit(5));  // the other 5 still stands
    board.clear(cellIndex(8, 0));
    EXPECT_EQ(board.present[rowUnit(0)], 0);
    board.place(cellIndex(2, 2), 7);
    board.place(cellIndex(2, 2), 3);  // replaces the 7
    EXPECT_EQ(board.present[boxUnit(0, 0)], digitBit(3));
}

// The peer digits are kept up to date by place and clear; after any run of
// them they must be what the values around each cell say.
TEST_F(GridTest, PeerDigitsFollowEveryPlaceAndClear)
{
    RandomGrids random(11);
    Board board;
    for (int step = 0; step < 3000; ++step) {
        const int cell = random.below(81);
        if (random.below(3) == 0) {
            board.clear(cell);
        } else {
            board.place(cell, 1 + random.below(9));
        }
        if (step % 50 != 0) {
            continue;
        }
        for (int c = 0; c < 81; ++c) {
            DigitMask around = 0;
            for (int other = 0; other < 81; ++other) {
                const bool shares = columnOf(other) == columnOf(c) || rowOf(other) == rowOf(c) ||
                                    (columnOf(other) / 3 == columnOf(c) / 3 && rowOf(other) / 3 == rowOf(c) / 3);
                if (shares && board.value[other] != 0) {
                    around |= digitBit(board.value[other]);
                }
            }
            ASSERT_EQ(board.peerDigits(c), around) << "cell " << c << " after step " << step;
        }
    }
}
