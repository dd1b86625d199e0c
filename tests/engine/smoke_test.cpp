#include "candidates.h"
#include "grid.h"
#include "search.h"
#include "solve_command.h"

#include <gtest/gtest.h>

TEST(Smoke, EmptyGridSolvesToFirstFilling)
{
    resetEngineState();
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j) grid[i][j].fieldId = cellFieldId(i, j);
    Board board = Board::fromGrid();
    ASSERT_TRUE(solvePuzzle(board));
    board.toGrid();
    std::string rows;
    for (int j = 0; j < 9; ++j)
        for (int i = 0; i < 9; ++i) rows += grid[i][j].value.read();
    EXPECT_EQ(rows, "123456789456789123789123456214365897365897214897214365531642978642978531978531642");
}
