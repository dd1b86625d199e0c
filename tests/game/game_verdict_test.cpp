#include "game_verdict.h"
#include "puzzle_givens.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string solved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

GameState gameOf(const std::string& givens, const std::string& entered = "")
{
    GameState game;
    startGame(game, givensOf(givens));
    for (int index = 0; index < static_cast<int>(entered.size()); ++index) {
        if (entered[static_cast<std::size_t>(index)] != '.') {
            enterDigit(game, cellIndex(index % 9, index / 9), entered[static_cast<std::size_t>(index)] - '0', true);
        }
    }
    return game;
}

TEST(GameVerdict, TheGivensAloneDecideTheSolution)
{
    std::string wrongEntry(81, '.');
    wrongEntry[2] = '1';  // the solution has a 4 there
    const GivensSolution one = solveGivens(gameOf(puzzle, wrongEntry));
    ASSERT_EQ(one.solutions, 1);
    for (int index = 0; index < 81; ++index) {
        ASSERT_EQ(one.solution[cellIndex(index % 9, index / 9)], solved[static_cast<std::size_t>(index)] - '0') << index;
    }
    std::string twoWays = solved;
    for (const int index : {3, 4, 30, 31}) {  // the 6s and 7s of rows 1 and 4 swap
        twoWays[static_cast<std::size_t>(index)] = '.';
    }
    EXPECT_EQ(solveGivens(gameOf(twoWays)).solutions, 2);
    EXPECT_EQ(solveGivens(gameOf("55" + std::string(79, '.'))).solutions, 0);
    EXPECT_EQ(solveGivens(gameOf(std::string(81, '.'))).solutions, 2);
}

TEST(GameVerdict, AFullGridIsRightOnlyWithoutClashAndAsTheGivensSolutionHasIt)
{
    const GameState partly = gameOf(puzzle, solved.substr(0, 78));  // row 9, column 7 left empty
    EXPECT_EQ(completionOf(partly, solveGivens(partly)), Completion::notFull);

    const GameState right = gameOf(puzzle, solved);
    EXPECT_EQ(completionOf(right, solveGivens(right)), Completion::right);

    // Two entered digits swapped within row 1: no clash in the row, but
    // columns 3 and 4 now clash; both differ from the solution.
    std::string swapped = solved;
    std::swap(swapped[2], swapped[3]);
    const GameState wrong = gameOf(puzzle, swapped);
    EXPECT_EQ(completionOf(wrong, solveGivens(wrong)), Completion::wrong);

    // The same puzzle's givens with two solutions: either filling is right.
    std::string twoWays = solved;
    for (const int index : {3, 4, 30, 31}) {
        twoWays[static_cast<std::size_t>(index)] = '.';
    }
    std::string otherFilling(81, '.');
    otherFilling[3] = '7';
    otherFilling[4] = '6';
    otherFilling[30] = '6';
    otherFilling[31] = '7';
    const GameState other = gameOf(twoWays, otherFilling);
    EXPECT_EQ(completionOf(other, solveGivens(other)), Completion::right);

    // Typed by hand without givens: right when nothing clashes.
    const GameState typed = gameOf(std::string(81, '.'), solved);
    EXPECT_EQ(completionOf(typed, solveGivens(typed)), Completion::right);
}

TEST(GameVerdict, AMistakeIsAnEnteredDigitThatDiffersFromTheOneSolution)
{
    std::string entered(81, '.');
    entered[2] = '1';  // wrong: the solution has a 4
    entered[3] = '6';  // right
    const GameState game = gameOf(puzzle, entered);
    const GivensSolution givens = solveGivens(game);
    EXPECT_TRUE(isMistake(game, givens, cellIndex(2, 0)));
    EXPECT_FALSE(isMistake(game, givens, cellIndex(3, 0)));
    EXPECT_FALSE(isMistake(game, givens, cellIndex(0, 0))) << "a given";
    EXPECT_FALSE(isMistake(game, givens, cellIndex(4, 1))) << "an empty cell";
    const GameState typed = gameOf(std::string(81, '.'), entered);
    EXPECT_FALSE(isMistake(typed, solveGivens(typed), cellIndex(2, 0))) << "no givens, no solution to differ from";
}

}  // namespace
