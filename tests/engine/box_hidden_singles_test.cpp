#include "candidates.h"
#include "engine_test_support.h"
#include "techniques.h"

class BoxHiddenSinglesTest : public EngineTest {};

TEST_F(BoxHiddenSinglesTest, FullBoxIsNotRefreshed)
{
    loadValues("123......456......789............................................................");
    setCandidates(0, 1, "47");  // stale text on the cell holding 4
    EXPECT_EQ(placeBoxHiddenSingles(), 0);
    EXPECT_EQ(candidatesAt(0, 1), "47");
}

TEST_F(BoxHiddenSinglesTest, OnlyCellListingADigitGetsItAndLosesItsText)
{
    for (int x = 6; x < 9; ++x) {
        for (int y = 3; y < 6; ++y) {
            setCandidates(x, y, "1257");
        }
    }
    setCandidates(7, 4, "1457");
    EXPECT_EQ(placeBoxHiddenSingles(), 1);
    EXPECT_EQ(progress, 1);
    EXPECT_EQ(valueAt(7, 4), "4");
    EXPECT_EQ(candidatesAt(7, 4), "");
    EXPECT_EQ(valuesInReadingOrder().find_first_not_of('.'), 4u * 9 + 7);
    EXPECT_EQ(valuesInReadingOrder().find_last_not_of('.'), 4u * 9 + 7);
}

TEST_F(BoxHiddenSinglesTest, DigitStandingInTheBoxIsNotPlacedAgain)
{
    setValue(0, 0, "4");
    setCandidates(1, 1, "4");
    setCandidates(2, 2, "45");
    EXPECT_EQ(placeBoxHiddenSingles(), 1);  // the 5
    EXPECT_EQ(valueAt(1, 1), "");
    EXPECT_EQ(valueAt(2, 2), "5");
}

// Boxes go down the first box column before the second; a placement shows
// in the boxes after it as their cells are refreshed.
TEST_F(BoxHiddenSinglesTest, PlacementsReachLaterBoxesThroughTheRefresh)
{
    setCandidates(2, 0, "4");  // box (0, 0): the one place for a 4
    setCandidates(2, 4, "4");  // box (0, 1): two places, until column 2 has its 4
    setCandidates(1, 4, "4");
    setCandidates(4, 0, "4");  // box (1, 0): two places, until row 0 has its 4
    setCandidates(4, 1, "4");
    EXPECT_EQ(placeBoxHiddenSingles(), 1);
    EXPECT_EQ(valueAt(2, 0), "4");
    EXPECT_EQ(valueAt(1, 4), "4");
    EXPECT_EQ(valueAt(4, 1), "4");
    EXPECT_EQ(candidatesAt(2, 4), "");
    EXPECT_EQ(candidatesAt(4, 0), "");
}

TEST_F(BoxHiddenSinglesTest, CountStopsAtTheSecondCellListingTheDigit)
{
    loadValues("14.......25.......3..............................................................");
    // Cells of the first box in visiting order: (0,0) (0,1) (0,2) (1,0)
    // (1,1) (1,2) (2,0) (2,1) (2,2). The first two empty ones list every
    // missing digit; the last two are never reached.
    setCandidates(1, 2, "6789");
    setCandidates(2, 0, "6789");
    setCandidates(2, 1, "1236789");
    setCandidates(2, 2, "1236789");
    EXPECT_EQ(placeBoxHiddenSingles(), 0);
    EXPECT_EQ(candidatesAt(2, 1), "1236789");
    EXPECT_EQ(candidatesAt(2, 2), "1236789");
}

TEST_F(BoxHiddenSinglesTest, ReturnsTheFlagItFoundSet)
{
    progress = 1;
    EXPECT_EQ(placeBoxHiddenSingles(), 1);
    EXPECT_EQ(valuesInReadingOrder(), std::string(81, '.'));
}
