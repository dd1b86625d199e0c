#include "candidate_grid.h"

#include <gtest/gtest.h>

namespace {

TEST(CandidateGrid, PlacingStrikesTheDigitFromThePeersOnlyAndKeepsBothViewsInStep)
{
    Board board;
    board.place(cellIndex(0, 0), 5);
    CandidateGrid grid = CandidateGrid::fromValues(board);
    EXPECT_EQ(grid.candidates[cellIndex(0, 0)], 0);
    EXPECT_FALSE(grid.has(cellIndex(8, 0), 5));  // same row
    EXPECT_FALSE(grid.has(cellIndex(2, 2), 5));  // same box
    EXPECT_TRUE(grid.has(cellIndex(3, 3), 5));
    EXPECT_EQ(grid.cellsOf[5].size(), 81 - 21);

    grid.place(cellIndex(4, 4), 7);
    grid.eliminate(cellIndex(8, 8), 1);
    for (int cell = 0; cell < 81; ++cell) {
        for (int digit = 1; digit <= 9; ++digit) {
            EXPECT_EQ(grid.has(cell, digit), grid.cellsOf[digit].has(cell)) << cell << " " << digit;
        }
    }
    EXPECT_FALSE(grid.has(cellIndex(4, 0), 7));
    EXPECT_TRUE(grid.has(cellIndex(5, 0), 7));
    EXPECT_EQ(grid.cellsOf[1].size(), 78);  // two cells filled, one struck
    int walked = 0;
    for (int cell : grid.cellsOf[1]) {
        EXPECT_NE(cell, cellIndex(8, 8));
        ++walked;
    }
    EXPECT_EQ(walked, 78);
}

}  // namespace
