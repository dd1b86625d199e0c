#include "minimal_puzzle.h"
#include "puzzle_check.h"
#include "puzzle_text.h"
#include "rated_puzzle.h"
#include "search.h"
#include "solution_grid.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Minimal, one solution, rated 3.4 (a hidden pair).
constexpr const char* minimalPuzzle =
    "......6........7.4.2..93....93..8...2..3...78...6.......15...2.83.4.1.6.7.....1..";

Board board(const std::string& text)
{
    Board parsed;
    std::string reason;
    EXPECT_TRUE(parsePuzzle(text, parsed, reason)) << reason;
    return parsed;
}

Board solutionOf(const Board& puzzle)
{
    Board solved = puzzle;
    solved.candidates.fill(allDigits);
    EXPECT_EQ(trySolve(solved, 0, 0), 1);
    return solved;
}

// Checked the long way: each given taken away in turn leaves two or more
// solutions.
bool everyGivenNeeded(const Board& puzzle)
{
    for (int cell = 0; cell < 81; ++cell) {
        Board without = puzzle;
        without.clear(cell);
        if (puzzle.value[cell] != 0 && countSolutions(without, 2) < 2) {
            return false;
        }
    }
    return true;
}

bool turnSymmetric(const Board& puzzle)
{
    for (int cell = 0; cell < 81; ++cell) {
        if ((puzzle.value[cell] == 0) != (puzzle.value[80 - cell] == 0)) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> madeFromSeed(RatingBand band, bool symmetric, std::uint64_t seed, int count)
{
    RandomInt random(seed);
    std::vector<std::string> puzzles;
    for (int n = 0; n < count; ++n) {
        const auto made = makeRatedPuzzle(band, symmetric, std::ref(random), [] { return false; });
        puzzles.push_back(made ? formatPuzzle(made->puzzle) : "none");
    }
    return puzzles;
}

}  // namespace

TEST(MinimalPuzzle, TellsOneSolutionAndMinimalApart)
{
    const Board minimal = board(minimalPuzzle);
    ASSERT_TRUE(everyGivenNeeded(minimal));
    EXPECT_TRUE(hasOneSolution(minimal));
    EXPECT_TRUE(isMinimal(minimal));

    Board twoSolutions = minimal;
    twoSolutions.clear(cellIndex(6, 0));  // the 6 of row 1
    EXPECT_FALSE(hasOneSolution(twoSolutions));
    EXPECT_FALSE(isMinimal(twoSolutions)) << "a puzzle with two solutions counted as minimal";

    const Board solution = solutionOf(minimal);
    Board oneMore = minimal;
    oneMore.place(cellIndex(0, 0), solution.value[cellIndex(0, 0)]);
    EXPECT_TRUE(hasOneSolution(oneMore));
    EXPECT_FALSE(isMinimal(oneMore)) << "a puzzle with a given to spare counted as minimal";
}

TEST(MinimalPuzzle, TakingAwayRedundantGivensLeavesAMinimalPuzzleOfTheSameSolution)
{
    RandomInt random(3);
    for (int n = 0; n < 10; ++n) {
        const Board solution = randomSolutionGrid(std::ref(random));
        ASSERT_EQ(countSolutions(solution, 2), 1) << formatPuzzle(solution);
        for (const bool symmetric : {false, true}) {
            Board puzzle = solution;
            removeRedundantGivens(puzzle, std::ref(random), symmetric);
            EXPECT_EQ(solutionOf(puzzle).value, solution.value);
            EXPECT_EQ(everyGivenNeeded(puzzle), isMinimal(puzzle)) << formatPuzzle(puzzle);
            if (symmetric) {
                EXPECT_TRUE(turnSymmetric(puzzle)) << formatPuzzle(puzzle);
            } else {
                EXPECT_TRUE(everyGivenNeeded(puzzle)) << formatPuzzle(puzzle);
            }
        }
    }
}

TEST(RatingCeiling, GivesTheSameRatingAtOrUnderItAndNoneAbove)
{
    const Board puzzle = board(minimalPuzzle);
    EXPECT_EQ(rateByLadder(puzzle).er, 34);
    EXPECT_EQ(rateByLadder(puzzle, playerWait, 34).er, 34);
    EXPECT_EQ(rateByLadder(puzzle, playerWait, 33).er, -1);
    EXPECT_EQ(rateByLadder(puzzle, playerWait, 10).er, -1);
}

// Every puzzle of several seeds and bands, plain and symmetric: one
// solution, minimal, rated again from scratch inside its band.
TEST(RatedPuzzle, HasOneSolutionIsMinimalAndRatesInsideItsBand)
{
    const RatingBand bands[] = {{10, 14}, {15, 24}, {25, 49}, {34, 34}, {50, 64}, {75, 84}};
    for (const RatingBand band : bands) {
        for (const bool symmetric : {false, true}) {
            for (const std::string& text : madeFromSeed(band, symmetric, 7, symmetric ? 1 : 2)) {
                const Board puzzle = board(text);
                const int er = rateByLadder(puzzle).er;
                EXPECT_GE(er, band.low) << text;
                EXPECT_LE(er, band.high) << text;
                EXPECT_EQ(countSolutions(puzzle, 2), 1) << text;
                EXPECT_TRUE(everyGivenNeeded(puzzle)) << text;
                EXPECT_TRUE(!symmetric || turnSymmetric(puzzle)) << text;
            }
        }
    }
}

TEST(RatedPuzzle, TheSameSeedGivesTheSamePuzzles)
{
    const RatingBand hard{25, 49};
    const std::vector<std::string> first = madeFromSeed(hard, false, 11, 4);
    EXPECT_EQ(madeFromSeed(hard, false, 11, 4), first);
    EXPECT_NE(madeFromSeed(hard, false, 12, 4), first);
    EXPECT_EQ(madeFromSeed(hard, true, 11, 2), madeFromSeed(hard, true, 11, 2));
}

TEST(RatedPuzzle, StopsWhenCancelledAndGivesNone)
{
    RandomInt random(1);
    int polls = 0;
    // A band no rating reaches: only the cancel ends the search.
    const auto made = makeRatedPuzzle({63, 64}, false, std::ref(random), [&polls] { return ++polls == 500; });
    EXPECT_FALSE(made.has_value());
    EXPECT_EQ(polls, 500);
}
