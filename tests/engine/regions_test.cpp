#include "regions.h"

#include <gtest/gtest.h>

namespace {

// The order the techniques walk regions and peers in decides which of
// several steps the ladder takes, and so the rating: boxes left to right,
// then top to bottom, then rows, then columns, cells in reading order; a
// cell's peers box first, then its row, then its column.
TEST(Regions, AreWalkedInTheReferenceRatersOrder)
{
    EXPECT_EQ(regions[firstBox + 1].cells[0], cellIndex(3, 0));
    EXPECT_EQ(regions[firstBox + 3].cells[0], cellIndex(0, 3));
    EXPECT_EQ(regions[firstBox + 4].cells[5], cellIndex(5, 4));
    EXPECT_EQ(regions[firstRow + 2].cells[7], cellIndex(7, 2));
    EXPECT_EQ(regions[firstColumn + 2].cells[7], cellIndex(2, 7));
    for (int r = 0; r < 27; ++r) {
        EXPECT_EQ(regions[r].set, unitSet[regions[r].unit]) << r;
    }
    const int cell = cellIndex(4, 4);
    EXPECT_EQ(housePeers[cell][0], cellIndex(3, 3));
    EXPECT_EQ(housePeers[cell][7], cellIndex(5, 5));
    EXPECT_EQ(housePeers[cell][8], cellIndex(0, 4)) << "the row after the box";
    EXPECT_EQ(housePeers[cell][14], cellIndex(4, 0)) << "the column after the row";
    EXPECT_EQ(housePeers[cell][19], cellIndex(4, 8));
    EXPECT_EQ(regionsOfCell[cellIndex(7, 5)][0], firstBox + 5);
    EXPECT_EQ(boxNumber(cellIndex(7, 5)), 6);
}

}  // namespace
