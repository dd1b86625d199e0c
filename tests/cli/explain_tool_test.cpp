#include "engine_run.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Sudoku Explainer rates it 7.2: the ladder runs out, chains are needed.
const std::string chains = ".83.2..9....8..1...293....8....987...7.....6...674....3....698...2..5....1..3.54.";
// Rated 3.4: its hardest step is a hidden pair.
const std::string hiddenPair =
    ".8.2..4..57....1....23.....82..9...5...715...7...2..41.....67....3....18..7..9.5.";
const std::string classic =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string noSolution = "........9" + std::string(63, '.') + "12345678.";

TEST(RateTool, AnswersEachPuzzleWithItsCountRatingsHardestTechniqueAndGrade)
{
    const EngineRun run = runEngine("rate", hiddenPair + "\n" + std::string(81, '.') + "\n" + noSolution + "\n" +
                                                chains + "\n" + classic + "\n" + "77" + std::string(79, '.') + "\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1\t3.4\t1.2\t1.2\thidden-pair\thard\n"
                       "2\t-\t-\t-\t-\tseveral solutions\n"
                       "0\t-\t-\t-\t-\tno solution\n"
                       "1\t-\t1.2\t1.2\t-\tdiabolical, needs chains\n"
                       "1\t1.2\t1.2\t1.2\thidden-single-box\teasy\n"
                       "0\t-\t-\t-\t-\tclash\n");
    EXPECT_EQ(run.err, "");
}

TEST(ExplainTool, NumbersTheStepsWithTechniqueAndRatingUntilSolvedOrStuck)
{
    const EngineRun run = runEngine("explain", classic + "\n" + chains + "\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("1. Hidden single in a box (1.2): In box 2, the 8 fits only in row 1, column 6.\n", 0), 0u)
        << run.out;
    EXPECT_NE(run.out.find("\n51. "), std::string::npos) << "one step for each of the 51 empty cells";
    EXPECT_EQ(run.out.find("\n52. "), std::string::npos);
    EXPECT_NE(run.out.find("Solved.\n\n1. "), std::string::npos) << "a blank line, then the second puzzle";
    const std::string end = "No technique up to aligned pair exclusion applies; the rest needs chains, which Kelvaro "
                            "cannot explain yet.\n";
    EXPECT_EQ(run.out.substr(run.out.size() - end.size()), end);
}

TEST(RateAndExplainTools, RefuseArgumentsAndReportMalformedLinesLikeSolve)
{
    for (const char* subcommand : {"rate", "explain"}) {
        const EngineRun run = runEngine(subcommand, "12\n" + classic + "\n");
        EXPECT_EQ(run.status, 1) << subcommand;
        EXPECT_EQ(run.err, "error: line 1: expected 81 characters, found 2\n") << subcommand;
        EXPECT_NE(run.out, "") << subcommand;

        const EngineRun stray = runEngine(std::string(subcommand) + " extra", classic + "\n");
        EXPECT_EQ(stray.status, 2) << subcommand;
        EXPECT_EQ(stray.out, "") << subcommand;
        EXPECT_EQ(stray.err, std::string("usage: kelvaro-engine ") + subcommand + " < puzzles\n");
    }
}

}  // namespace
