#include "candidates.h"
#include "engine_test_support.h"
#include "techniques.h"

class NakedSinglesTest : public EngineTest {};

TEST_F(NakedSinglesTest, FullGridOnlyLosesItsCandidateTexts)
{
    loadValues("123456789456789123789123456214365897365897214897214365531642978642978531978531642");
    initCandidates();
    setCandidates(3, 3, "27");
    const std::string values = valuesInReadingOrder();

    EXPECT_EQ(placeNakedSingles(), 0);
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            EXPECT_EQ(candidatesAt(i, j), "");
        }
    }
    EXPECT_EQ(valuesInReadingOrder(), values);

    progress = 1;
    EXPECT_EQ(placeNakedSingles(), 1);
}

TEST_F(NakedSinglesTest, CellWithEightDigitsAmongItsPeersGetsTheNinth)
{
    setValue(0, 4, "1");  // column
    setValue(0, 8, "2");
    setValue(3, 0, "3");  // row
    setValue(8, 0, "4");
    setValue(1, 1, "5");  // box
    setValue(2, 2, "6");
    setValue(1, 2, "7");
    setValue(2, 0, "9");
    initCandidates();

    EXPECT_EQ(placeNakedSingles(), 1);
    EXPECT_EQ(progress, 1);
    EXPECT_EQ(valueAt(0, 0), "8");
    EXPECT_EQ(candidatesAt(0, 0), "");
    EXPECT_EQ(candidatesAt(0, 1), "34");  // refreshed after the 8 went in
    EXPECT_EQ(candidatesAt(1, 1), "");
}

TEST_F(NakedSinglesTest, SecondCellWithTheSameSingleLosesIt)
{
    setCandidates(0, 2, "5");
    setCandidates(0, 6, "5");
    EXPECT_EQ(placeNakedSingles(), 1);
    EXPECT_EQ(valueAt(0, 2), "5");
    EXPECT_EQ(valueAt(0, 6), "");
    EXPECT_EQ(candidatesAt(0, 6), "");
}

// The sweep refreshes cells as it reaches them: a placement reaches the peers
// after it at once, those before it only on the next call.
TEST_F(NakedSinglesTest, EarlierPeersSeeAPlacementOnlyOnTheNextCall)
{
    setCandidates(0, 1, "57");
    setCandidates(1, 1, "7");
    setCandidates(2, 1, "37");

    EXPECT_EQ(placeNakedSingles(), 1);
    EXPECT_EQ(valueAt(1, 1), "7");
    EXPECT_EQ(candidatesAt(0, 1), "57");
    EXPECT_EQ(valueAt(2, 1), "3");  // lost its 7 in the same sweep

    progress = 0;
    EXPECT_EQ(placeNakedSingles(), 1);
    EXPECT_EQ(valueAt(0, 1), "5");
}

TEST_F(NakedSinglesTest, CellsWithSeveralOrNoCandidatesStayEmpty)
{
    setValue(8, 8, "9");
    setCandidates(8, 0, "19");
    setCandidates(0, 0, "12");
    setCandidates(4, 4, "test");  // a stale marker is no single digit
    EXPECT_EQ(placeNakedSingles(), 1);  // (8, 0) is down to its 1
    EXPECT_EQ(valueAt(8, 0), "1");
    EXPECT_EQ(candidatesAt(0, 0), "12");  // refreshed before the 1 went in
    EXPECT_EQ(valueAt(4, 4), "");
    EXPECT_EQ(candidatesAt(4, 4), "test");
    EXPECT_EQ(valueAt(1, 1), "");
}
