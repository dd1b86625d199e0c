#include "engine_run.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Sudoku Explainer rates it 7.2: its hardest step is a forcing chain.
const std::string chains = ".83.2..9....8..1...293....8....987...7.....6...674....3....698...2..5....1..3.54.";
// Beyond dynamic forcing chains (+): the ladder runs out.
const std::string deeper = "..53.....8......2..7..1.5..4....53...1..7...6..32...8..6.5....9..4....3......97..";
// Rated 3.4: its hardest step is a hidden pair.
const std::string hiddenPair =
    ".8.2..4..57....1....23.....82..9...5...715...7...2..41.....67....3....18..7..9.5.";
const std::string classic =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string noSolution = "........9" + std::string(63, '.') + "12345678.";

TEST(RateTool, AnswersEachPuzzleWithItsCountRatingsHardestTechniqueAndGrade)
{
    const EngineRun run = runEngine("rate", hiddenPair + "\n" + std::string(81, '.') + "\n" + noSolution + "\n" +
                                                chains + "\n" + classic + "\n" + "77" + std::string(79, '.') + "\n" +
                                                deeper + "\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1\t3.4\t1.2\t1.2\thidden-pair\thard\n"
                       "2\t-\t-\t-\t-\tseveral solutions\n"
                       "0\t-\t-\t-\t-\tno solution\n"
                       "1\t7.2\t1.2\t1.2\tforcing-chain\tdiabolical\n"
                       "1\t1.2\t1.2\t1.2\thidden-single-box\teasy\n"
                       "0\t-\t-\t-\t-\tclash\n"
                       "1\t-\t1.2\t1.2\t-\tdiabolical, needs deeper chains\n");
    EXPECT_EQ(run.err, "");
}

TEST(ExplainTool, NumbersTheStepsWithTechniqueAndRatingUntilSolvedOrStuck)
{
    const EngineRun run = runEngine("explain", classic + "\n" + chains + "\n" + deeper + "\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("1. Hidden single in a box (1.2): In box 2, the 8 fits only in row 1, column 6.\n", 0), 0u)
        << run.out;
    const std::string first = run.out.substr(0, run.out.find("Solved."));
    EXPECT_NE(first.find("\n51. "), std::string::npos) << "one step for each of the 51 empty cells";
    EXPECT_EQ(first.find("\n52. "), std::string::npos);
    EXPECT_NE(run.out.find("Solved.\n\n1. "), std::string::npos) << "a blank line, then the second puzzle";
    // A chain's step, then its links in the forums' notation.
    EXPECT_NE(run.out.find("\n28. Forcing chain (7.2): If row 2, column 1 is 6, row 2, column 1 is not 5, so row 6, "
                           "column 1 is 5, so row 6, column 9 is not 5, so row 6, column 9 is 9, so row 6, column 2 "
                           "is not 9, so row 8, column 2 is 9, so row 8, column 2 is not 6, so row 8, column 1 is 6, "
                           "so row 2, column 1 is not 6: the assumption undoes itself, so row 2, column 1 cannot be "
                           "6.\n   (6-5)r2c1=(5)r6c1-(5=9)r6c9-(9)r6c2=(9-6)r8c2=(6)r8c1-(6)r2c1\n29. "),
              std::string::npos)
        << run.out;
    const std::string end = "No technique up to dynamic forcing chains (+) applies; the rest needs forcing chains "
                            "nested deeper, which Kelvaro does not explain.\n";
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
