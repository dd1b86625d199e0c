#include "game_verdict.h"
#include "puzzle_givens.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string solved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

GameState gameOf(const std::string& givens, const std::string& entered)
{
    GameState game;
    startGame(game, givensOf(givens));
    for (std::size_t index = 0; index < entered.size(); ++index) {
        if (entered[index] != '.') {
            enterDigit(game, cellIndex(index % 9, index / 9), entered[index] - '0', true);
        }
    }
    return game;
}

Completion completion(const GameState& game) { return completionOf(game, solveGivens(game)); }

TEST(GameVerdict, TheGivensAloneDecideTheSolutionAndWhatIsRightOrAMistake)
{
    std::string slips(81, '.');
    slips[2] = '1';  // the solution has a 4
    slips[3] = '6';  // right
    const GameState played = gameOf(puzzle, slips);
    const GivensSolution one = solveGivens(played);
    ASSERT_EQ(one.solutions, 1);
    EXPECT_EQ(one.solution, givensOf(solved));
    EXPECT_TRUE(isMistake(played, one, cellIndex(2, 0)));
    EXPECT_FALSE(isMistake(played, one, cellIndex(3, 0)));
    EXPECT_FALSE(isMistake(played, one, cellIndex(0, 0))) << "a given";
    EXPECT_FALSE(isMistake(played, one, cellIndex(4, 1))) << "an empty cell";

    EXPECT_EQ(completion(played), Completion::notFull);
    EXPECT_EQ(completion(gameOf(puzzle, solved)), Completion::right);
    std::string swapped = solved;
    std::swap(swapped[2], swapped[3]);
    EXPECT_EQ(completion(gameOf(puzzle, swapped)), Completion::wrong);
    const GameState typed = gameOf(std::string(81, '.'), solved);
    EXPECT_EQ(completion(typed), Completion::right) << "no givens: right when nothing clashes";
    EXPECT_FALSE(isMistake(typed, solveGivens(typed), cellIndex(2, 0)));

    // Without the 6s and 7s of rows 1 and 4, columns 4 and 5, the givens
    // have two solutions, and the other filling is right too.
    std::string twoWays = solved;
    std::string otherFilling(81, '.');
    for (const auto& [index, digit] : {std::pair{3, '7'}, {4, '6'}, {30, '6'}, {31, '7'}}) {
        twoWays[static_cast<std::size_t>(index)] = '.';
        otherFilling[static_cast<std::size_t>(index)] = digit;
    }
    EXPECT_EQ(solveGivens(gameOf(twoWays, "")).solutions, 2);
    EXPECT_EQ(completion(gameOf(twoWays, otherFilling)), Completion::right);
    EXPECT_EQ(solveGivens(gameOf("55" + std::string(79, '.'), "")).solutions, 0);
}

}  // namespace
