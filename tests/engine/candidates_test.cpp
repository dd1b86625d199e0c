#include "candidates.h"
#include "engine_test_support.h"

class CandidatesTest : public EngineTest {};

TEST_F(CandidatesTest, InitGivesEmptyCellsEveryDigitAndFilledCellsTheMarker)
{
    setValue(4, 4, "5");
    setCandidates(0, 0, "13");
    grid[4][4].clash = 1;
    initCandidates();
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            EXPECT_EQ(candidatesAt(i, j), (i == 4 && j == 4) ? "test" : "123456789");
        }
    }
    EXPECT_EQ(valueAt(4, 4), "5");
    EXPECT_EQ(grid[4][4].clash, 1);
    EXPECT_EQ(progress, 0);
}

TEST_F(CandidatesTest, EliminationOnAnEmptyGridKeepsEveryDigit)
{
    initCandidates();
    eliminateCandidates(3, 7);
    EXPECT_EQ(candidatesAt(3, 7), "123456789");
}

TEST_F(CandidatesTest, EliminationRemovesTheDigitsOfColumnRowAndBoxOnly)
{
    setValue(4, 4, "5");
    initCandidates();
    eliminateCandidates(4, 0);  // same column
    eliminateCandidates(0, 4);  // same row
    eliminateCandidates(3, 3);  // same box
    eliminateCandidates(0, 0);  // no peer
    EXPECT_EQ(candidatesAt(4, 0), "12346789");
    EXPECT_EQ(candidatesAt(0, 4), "12346789");
    EXPECT_EQ(candidatesAt(3, 3), "12346789");
    EXPECT_EQ(candidatesAt(0, 0), "123456789");
    EXPECT_EQ(candidatesAt(5, 5), "123456789");  // a peer, but not refreshed
    EXPECT_EQ(progress, 0);
}

TEST_F(CandidatesTest, EliminationLeavesTextsWithoutThePeerDigitsAlone)
{
    setValue(0, 8, "9");
    setCandidates(0, 0, "1234");
    eliminateCandidates(0, 0);
    EXPECT_EQ(candidatesAt(0, 0), "1234");

    setCandidates(1, 1, "");
    eliminateCandidates(1, 1);
    EXPECT_EQ(candidatesAt(1, 1), "");
}

TEST_F(CandidatesTest, CellWhosePeersHoldEveryDigitEndsWithNone)
{
    // Row 0 holds 1 to 4, column 0 holds 5 to 7, the box 8 and 9.
    for (int k = 1; k <= 4; ++k) {
        setValue(k + 4, 0, std::to_string(k));
    }
    for (int k = 5; k <= 7; ++k) {
        setValue(0, k - 2, std::to_string(k));
    }
    setValue(1, 1, "8");
    setValue(2, 2, "9");
    initCandidates();
    eliminateCandidates(0, 0);
    EXPECT_EQ(candidatesAt(0, 0), "");
}

TEST_F(CandidatesTest, FilledCellsLoseTheirOwnDigit)
{
    setValue(2, 2, "7");
    initCandidates();
    eliminateCandidates(2, 2);
    EXPECT_EQ(candidatesAt(2, 2), "test");

    setCandidates(2, 2, "27");  // left by a pass that does not clear texts
    eliminateCandidates(2, 2);
    EXPECT_EQ(candidatesAt(2, 2), "2");

    setCandidates(2, 2, "27");
    setValue(2, 6, "2");
    eliminateCandidates(2, 2);
    EXPECT_EQ(candidatesAt(2, 2), "");
}
