#include "candidates.h"
#include "engine_test_support.h"
#include "techniques.h"

class LineHiddenSinglesTest : public EngineTest {};

TEST_F(LineHiddenSinglesTest, ColumnLackingOneDigitIsCompleted)
{
    for (int k = 0; k < 8; ++k) {
        setValue(0, k, std::to_string(k + 1));
    }
    setCandidates(0, 8, "123456789");
    EXPECT_EQ(placeLineHiddenSingles(), 1);
    EXPECT_EQ(valueAt(0, 8), "9");
    EXPECT_EQ(candidatesAt(0, 8), "");
}

TEST_F(LineHiddenSinglesTest, MissingDigitExcludedByTheRowIsNotPlaced)
{
    for (int k = 0; k < 8; ++k) {
        setValue(0, k, std::to_string(k + 1));
    }
    setValue(5, 8, "9");
    setCandidates(0, 8, "123456789");
    EXPECT_EQ(placeLineHiddenSingles(), 0);
    EXPECT_EQ(valueAt(0, 8), "");
    EXPECT_EQ(candidatesAt(0, 8), "");
}

TEST_F(LineHiddenSinglesTest, OnlyCellListingADigitGetsIt)
{
    for (int k = 0; k < 9; ++k) {
        setCandidates(3, k, "158");
    }
    setCandidates(3, 6, "1568");
    EXPECT_EQ(placeLineHiddenSingles(), 1);
    EXPECT_EQ(valueAt(3, 6), "6");
    EXPECT_EQ(candidatesAt(3, 6), "");
}

// A digit placed by the column sweep is already there for the row sweep of
// the same call: its row gets no second one.
TEST_F(LineHiddenSinglesTest, RowSweepSeesTheColumnSweepsPlacements)
{
    setCandidates(2, 5, "7");
    setCandidates(6, 5, "7");
    setCandidates(6, 1, "7");
    EXPECT_EQ(placeLineHiddenSingles(), 1);
    EXPECT_EQ(valueAt(2, 5), "7");
    EXPECT_EQ(valueAt(6, 5), "");
    EXPECT_EQ(valueAt(6, 1), "7");  // column 6 lost its second place
}

TEST_F(LineHiddenSinglesTest, DigitWithTwoPlacesIsNotPlaced)
{
    // Each line through these corners has two places for the 2 and the 9.
    for (int i : {4, 7}) {
        for (int j : {2, 7}) {
            setCandidates(i, j, "29");
        }
    }
    EXPECT_EQ(placeLineHiddenSingles(), 0);
    EXPECT_EQ(valuesInReadingOrder(), std::string(81, '.'));
}

// Every line's first two cells list every digit, so no count goes past
// them: the stale text of a cell further on survives the call.
TEST_F(LineHiddenSinglesTest, CountStopsAtTheSecondCellListingTheDigit)
{
    initCandidates();
    setValue(3, 8, "1");
    setCandidates(3, 8, "");
    setCandidates(5, 7, "15");  // its box holds the 1
    EXPECT_EQ(placeLineHiddenSingles(), 0);
    EXPECT_EQ(candidatesAt(5, 7), "15");
    EXPECT_EQ(candidatesAt(3, 0), "23456789");  // first of column 3: refreshed
    EXPECT_EQ(candidatesAt(3, 5), "123456789");  // further on: not
}

TEST_F(LineHiddenSinglesTest, ReturnsTheFlagItFoundSet)
{
    progress = 1;
    EXPECT_EQ(placeLineHiddenSingles(), 1);
}

// Placing a digit empties its cell's text, and a later digit of the same
// column may then have one place left: it is placed in the same call.
TEST_F(LineHiddenSinglesTest, APlacementCanLeaveALaterDigitOnePlace)
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            setCandidates(i, j, i == 0 ? "1346789" : "123456789");  // rows and other columns: no singles
        }
    }
    setCandidates(0, 0, "25");
    setCandidates(0, 3, "13456789");
    EXPECT_EQ(placeLineHiddenSingles(), 1);
    EXPECT_EQ(valueAt(0, 0), "2");
    EXPECT_EQ(valueAt(0, 3), "5");
    EXPECT_EQ(candidatesAt(0, 3), "");
    EXPECT_EQ(candidatesAt(0, 8), "1346789");
}

// A filled cell whose text still lists a digit counts as a place for it, as
// the walk is written: it is given that digit in place of its own.
TEST_F(LineHiddenSinglesTest, AFilledCellStillListingADigitCanBeGivenIt)
{
    for (int k = 0; k < 9; ++k) {
        setCandidates(4, k, "1235689");
    }
    setValue(4, 2, "7");
    setCandidates(4, 2, "47");
    EXPECT_EQ(placeLineHiddenSingles(), 1);
    EXPECT_EQ(valueAt(4, 2), "4");
    EXPECT_EQ(candidatesAt(4, 2), "");
}
