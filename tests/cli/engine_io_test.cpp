#include "engine_run.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

const std::string classic =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

long linesIn(const std::string& text)
{
    return std::count(text.begin(), text.end(), '\n');
}

TEST(EngineOutput, EveryCommandThatCannotWriteSaysSoOnceAndFails)
{
    // Small outputs fail at the final flush, larger ones on the way.
    for (const std::string arguments : {"solve", "generate --difficulty 1 --count 2 --seed 5",
                                        "generate --difficulty 1 --count 300 --seed 5", "bench /dev/stdin",
                                        "bench-generate --count 1 --seed 5"}) {
        const EngineRun run = runEngine(arguments, classic + "\n", ">/dev/full");
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(run.err, "error: cannot write the output: No space left on device\n") << arguments;
    }
    const EngineRun closed = runEngine("solve", classic + "\n", ">&-");
    EXPECT_EQ(closed.status, 1);
    EXPECT_EQ(closed.err, "error: cannot write the output: Bad file descriptor\n");
}

TEST(EngineOutput, SolveStopsAtTheFirstFailedWriteWithoutReadingOn)
{
    // The input never ends, so only a run that stops at the failure ends.
    const std::string command = "yes " + classic + " | timeout 20 " KELVARO_ENGINE_BINARY
                                " solve >/dev/full 2>/dev/null";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1) << "124: still reading when stopped";
}

TEST(EngineInput, ADirectoryIsAReadErrorNotAnEmptyInput)
{
    const std::string directory = std::filesystem::temp_directory_path().string();
    const EngineRun solve = runEngine("solve", "", "<" + directory);
    EXPECT_EQ(solve.status, 1);
    EXPECT_EQ(solve.err, "error: cannot read standard input: Is a directory\n");

    const EngineRun bench = runEngine("bench " + directory, "");
    EXPECT_EQ(bench.status, 1);
    EXPECT_EQ(bench.err, "error: cannot read " + directory + ": Is a directory\n");
    EXPECT_EQ(linesIn(bench.out), 1) << "only the heading, no row for the directory:\n" << bench.out;
}

}  // namespace
