#include "candidates.h"
#include "engine_test_support.h"
#include "techniques.h"

#include <string>

// The generator's box technique: one refresh of the whole grid first, then
// every box judged by those candidates, filled cells keeping their texts.
class BoxSinglesRefreshedTest : public EngineTest {
protected:
    // Strikes the digit out of every cell of the box but the one at (i, j).
    static void keepDigitOnlyAt(char digit, int i, int j)
    {
        for (int x = 3 * (i / 3); x < 3 * (i / 3) + 3; ++x) {
            for (int y = 3 * (j / 3); y < 3 * (j / 3) + 3; ++y) {
                std::string text = candidatesAt(x, y);
                if ((x != i || y != j) && text.find(digit) != std::string::npos) {
                    text.erase(text.find(digit), 1);
                    setCandidates(x, y, text);
                }
            }
        }
    }
};

TEST_F(BoxSinglesRefreshedTest, NoSinglePlaceChangesNoValueButRefreshesEveryText)
{
    setValue(4, 4, "5");
    initCandidates();
    setCandidates(4, 4, "58");  // a filled cell is refreshed too
    EXPECT_EQ(placeBoxSinglesRefreshed(), 0);
    EXPECT_EQ(valuesInReadingOrder().find_first_not_of('.'), 4u * 9 + 4);
    EXPECT_EQ(valuesInReadingOrder().find_last_not_of('.'), 4u * 9 + 4);
    EXPECT_EQ(candidatesAt(4, 0), "12346789");
    EXPECT_EQ(candidatesAt(8, 4), "12346789");
    EXPECT_EQ(candidatesAt(3, 5), "12346789");
    EXPECT_EQ(candidatesAt(4, 4), "8");
    EXPECT_EQ(candidatesAt(0, 0), "123456789");
}

TEST_F(BoxSinglesRefreshedTest, SinglePlaceIsFilledAndKeepsItsCandidates)
{
    initCandidates();
    keepDigitOnlyAt('4', 7, 4);  // box column 2, box row 1
    setCandidates(7, 4, "1457");
    EXPECT_EQ(placeBoxSinglesRefreshed(), 1);
    EXPECT_EQ(progress, 1);
    EXPECT_EQ(valueAt(7, 4), "4");
    EXPECT_EQ(candidatesAt(7, 4), "1457");
    EXPECT_EQ(candidatesAt(7, 0), "123456789");  // peers keep the 4
    EXPECT_EQ(valuesInReadingOrder().find_first_not_of('.'), 4u * 9 + 7);
    EXPECT_EQ(valuesInReadingOrder().find_last_not_of('.'), 4u * 9 + 7);
}

TEST_F(BoxSinglesRefreshedTest, EveryBoxIsJudgedByTheTextsOfTheRefresh)
{
    // Two boxes of row 1 each have one place for a 4, both in row 1: the
    // first placement does not take the 4 out of the second place.
    initCandidates();
    keepDigitOnlyAt('4', 1, 1);
    keepDigitOnlyAt('4', 4, 1);
    EXPECT_EQ(placeBoxSinglesRefreshed(), 1);
    EXPECT_EQ(valueAt(1, 1), "4");
    EXPECT_EQ(valueAt(4, 1), "4");
}

TEST_F(BoxSinglesRefreshedTest, LaterDigitReplacesAnEarlierOneInTheSameCell)
{
    initCandidates();
    keepDigitOnlyAt('3', 0, 0);
    keepDigitOnlyAt('6', 0, 0);
    EXPECT_EQ(placeBoxSinglesRefreshed(), 1);
    EXPECT_EQ(valueAt(0, 0), "6");
}

TEST_F(BoxSinglesRefreshedTest, DigitStandingInTheBoxIsNotPlacedAgain)
{
    setValue(0, 0, "4");
    initCandidates();
    setCandidates(1, 1, "4");  // the refresh takes the 4 away again
    EXPECT_EQ(placeBoxSinglesRefreshed(), 0);
    EXPECT_EQ(valueAt(1, 1), "");
    EXPECT_EQ(candidatesAt(1, 1), "");
}

TEST_F(BoxSinglesRefreshedTest, ReturnsTheFlagItFoundSet)
{
    initCandidates();
    progress = 1;
    EXPECT_EQ(placeBoxSinglesRefreshed(), 1);
}
