#include "candidates.h"
#include "engine_test_support.h"
#include "techniques.h"

class NakedPairsTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        initCandidates();
    }
};

TEST_F(NakedPairsTest, PairInAColumnClearsItsDigitsFromTheColumn)
{
    setCandidates(3, 0, "47");
    setCandidates(3, 5, "47");
    setCandidates(3, 2, "1479");
    EXPECT_EQ(eliminateNakedPairs(), 1);
    EXPECT_EQ(candidatesAt(3, 2), "19");
    for (int k : {1, 3, 4, 6, 7, 8}) {
        EXPECT_EQ(candidatesAt(3, k), "1235689") << "row " << k;
    }
    EXPECT_EQ(candidatesAt(3, 0), "47");
    EXPECT_EQ(candidatesAt(3, 5), "47");
    EXPECT_EQ(candidatesAt(4, 0), "123456789");  // rows and boxes are not touched
    EXPECT_EQ(candidatesAt(4, 4), "123456789");
}

TEST_F(NakedPairsTest, NoPairReturnsZeroWithTheRefreshedTexts)
{
    setValue(0, 0, "5");
    initCandidates();
    setCandidates(2, 0, "47");
    setCandidates(2, 1, "48");
    EXPECT_EQ(eliminateNakedPairs(), 0);
    EXPECT_EQ(candidatesAt(0, 8), "12346789");
    EXPECT_EQ(candidatesAt(0, 0), "test");
    EXPECT_EQ(candidatesAt(2, 0), "47");
    EXPECT_EQ(candidatesAt(2, 5), "123456789");
}

TEST_F(NakedPairsTest, PairSharingOnlyABoxRemovesNothing)
{
    setCandidates(0, 0, "47");
    setCandidates(1, 1, "47");
    EXPECT_EQ(eliminateNakedPairs(), 0);
    EXPECT_EQ(candidatesAt(2, 2), "123456789");
    EXPECT_EQ(candidatesAt(0, 5), "123456789");
}

TEST_F(NakedPairsTest, ThirdEqualPairInAColumnIsEmptied)
{
    setCandidates(5, 1, "36");
    setCandidates(5, 4, "36");
    setCandidates(5, 7, "36");
    EXPECT_EQ(eliminateNakedPairs(), 1);
    EXPECT_EQ(candidatesAt(5, 1), "36");
    EXPECT_EQ(candidatesAt(5, 4), "36");
    EXPECT_EQ(candidatesAt(5, 7), "");
    EXPECT_EQ(candidatesAt(5, 0), "1245789");
}

TEST_F(NakedPairsTest, PairInARowClearsItsDigitsFromTheRow)
{
    setCandidates(1, 6, "28");
    setCandidates(7, 6, "28");
    EXPECT_EQ(eliminateNakedPairs(), 1);
    EXPECT_EQ(candidatesAt(0, 6), "1345679");
    EXPECT_EQ(candidatesAt(8, 6), "1345679");
    EXPECT_EQ(candidatesAt(1, 5), "123456789");
}

// The row sweep can make a new column pair; the second column sweep uses it.
TEST_F(NakedPairsTest, PairMadeByTheRowSweepIsUsedInTheSameCall)
{
    setCandidates(0, 0, "12");
    setCandidates(5, 0, "12");
    setCandidates(2, 0, "1238");
    setCandidates(2, 6, "38");
    EXPECT_EQ(eliminateNakedPairs(), 1);
    EXPECT_EQ(candidatesAt(2, 0), "38");
    EXPECT_EQ(candidatesAt(2, 3), "1245679");
    EXPECT_EQ(candidatesAt(2, 6), "38");
    EXPECT_EQ(candidatesAt(8, 0), "3456789");
}

TEST_F(NakedPairsTest, PairWithNothingToRemoveLeavesTheFlagAsItWas)
{
    for (int k = 0; k < 9; ++k) {
        setCandidates(4, k, "159");
    }
    setCandidates(4, 2, "37");
    setCandidates(4, 8, "37");
    for (int k = 0; k < 9; ++k) {
        setCandidates(k, 2, k == 4 ? "37" : "1");
        setCandidates(k, 8, k == 4 ? "37" : "2");
    }
    EXPECT_EQ(eliminateNakedPairs(), 0);
    EXPECT_EQ(candidatesAt(4, 0), "159");

    progress = 1;
    EXPECT_EQ(eliminateNakedPairs(), 1);
}

TEST_F(NakedPairsTest, FilledCellsNeverPair)
{
    setValue(6, 0, "3");
    setValue(6, 8, "4");
    initCandidates();
    EXPECT_EQ(eliminateNakedPairs(), 0);
    EXPECT_EQ(candidatesAt(6, 0), "test");
    EXPECT_EQ(candidatesAt(6, 8), "test");
}
