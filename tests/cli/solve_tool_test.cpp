#include "engine_run.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Runs `kelvaro-engine solve` on the given standard input.
EngineRun solve(const std::string& input)
{
    return runEngine("solve", input);
}

const std::string classic =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string classicSolved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
// Clash-free, yet cell (8, 8) can take nothing: row 8 holds 1 to 8 and its
// column a 9.
const std::string noSolution = "........9" + std::string(63, '.') + "12345678.";

TEST(SolveTool, AnswersEachPuzzleWithItsGridAndStatus)
{
    const EngineRun run = solve(classic + "\n" + noSolution + "\n" + "11" + std::string(79, '.') + "\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, classicSolved + " solved\n" + noSolution + " nosolution\n" + "11" + std::string(79, '.') +
                           " clash\n");
    EXPECT_EQ(run.err, "");
}

TEST(SolveTool, EmptyGridGetsTheFirstFillingInReadingOrder)
{
    const EngineRun run = solve(std::string(81, '0') + "\n");
    EXPECT_EQ(run.out,
              "123456789456789123789123456214365897365897214897214365531642978642978531978531642 solved\n");
}

TEST(SolveTool, MalformedLinesAreReportedAndSkippedWhileTheRestIsAnswered)
{
    std::string bad = classic;
    bad[10] = 'a';
    const EngineRun run = solve("12\n" + bad + "\n" + classic + "\r\n" + std::string(1 << 20, '5') + "\n" + classic);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, classicSolved + " solved\n" + classicSolved + " solved\n");
    EXPECT_NE(run.err.find("error: line 1: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("error: line 2: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("error: line 4: "), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("error: line 3"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("error: line 5"), std::string::npos) << run.err;
}

TEST(SolveTool, ReadsAByteOrderMarkTrailingBlanksAndLoneCarriageReturnsButNoOtherBlank)
{
    const EngineRun run = solve("\xEF\xBB\xBF" + classic + " \t\r" + noSolution + "\r" + classic + "\t\r" + " " + classic);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, classicSolved + " solved\n" + noSolution + " nosolution\n" + classicSolved + " solved\n");
    EXPECT_EQ(run.err, "error: line 4: expected 81 characters, found 82\n");
}

TEST(SolveTool, EmptyInputAnswersNothing)
{
    const EngineRun run = solve("");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

}  // namespace
