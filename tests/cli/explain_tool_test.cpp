#include "engine_run.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Needs hidden singles, then trial and error.
const std::string hard = "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
const std::string classic =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string noSolution = "........9" + std::string(63, '.') + "12345678.";

TEST(RateTool, AnswersEachPuzzleWithItsCountTechniquesAndRating)
{
    const EngineRun run = runEngine("rate", classic + "\n" + std::string(81, '.') + "\n" + noSolution + "\n" + hard +
                                              "\n" + "77" + std::string(79, '.') + "\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1 naked-singles Simple: needs naked singles only; no guessing.\n"
                       "2 - Not a proper puzzle: it has more than one solution.\n"
                       "0 - Not a puzzle: no filling fits these givens.\n"
                       "1 line-hidden-singles,box-hidden-singles,trial-search Trial and error: hidden singles run "
                       "out; the rest needs guessing.\n"
                       "0 - Not a puzzle: two givens share a row, column or box.\n");
    EXPECT_EQ(run.err, "");
}

TEST(ExplainTool, NumbersTheStepsUntilSolvedOrStuck)
{
    const EngineRun run = runEngine("explain", classic + "\n" + hard + "\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("1. Row 5, column 5 can only be 5: every other digit is already in its row, column or box.\n",
                            0),
              0u)
        << run.out;
    EXPECT_NE(run.out.find("\n51. "), std::string::npos) << "one step for each of the 51 empty cells";
    EXPECT_EQ(run.out.find("\n52. "), std::string::npos);
    EXPECT_NE(run.out.find("Solved.\n\n1. In "), std::string::npos) << "a blank line, then the second puzzle";
    EXPECT_EQ(run.out.substr(run.out.size() - 59), "No single or pair is left; the rest needs trial and error.\n");
}

TEST(RateAndExplainTools, ReportMalformedLinesLikeSolve)
{
    for (const char* subcommand : {"rate", "explain"}) {
        const EngineRun run = runEngine(subcommand, "12\n" + classic + "\n");
        EXPECT_EQ(run.status, 1) << subcommand;
        EXPECT_EQ(run.err, "error: line 1: expected 81 characters, found 2\n") << subcommand;
        EXPECT_NE(run.out, "") << subcommand;
    }
}

}  // namespace
