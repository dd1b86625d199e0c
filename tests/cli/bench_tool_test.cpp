#include "engine_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// QQWing needs minutes for the first puzzle (it has no solution); the
// benchmark gives up on it after its time limit and still reports the file.
TEST(BenchTool, APuzzleTheComparisonCannotFinishIsCountedApart)
{
    const auto file = std::filesystem::temp_directory_path() /
                      ("kelvaro-bench-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".txt");
    std::ofstream(file) << "...3......37.......4..6.38......2..3..8..6...3..........5..........3..7....6.....\n"
                        << "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79\n";
    const EngineRun run = runEngine("bench " + file.string(), "");
    std::filesystem::remove(file);
    const std::string& out = run.out;

    EXPECT_EQ(run.status, 0) << run.err;
    std::istringstream lines(out);
    std::string header;
    std::string row;
    std::getline(lines, header);
    std::getline(lines, row);
    EXPECT_EQ(tabFields(header),
              (std::vector<std::string>{"file", "puzzles", "solved", "median_us", "p99_us", "max_us", "total_s",
                                        "qqwing_total_s", "qqwing_unfinished", "ratio"}));
    const std::vector<std::string> fields = tabFields(row);
    ASSERT_EQ(fields.size(), 10U) << out;
    EXPECT_EQ(fields[1], "2");
    EXPECT_EQ(fields[2], "1");
    if (fields[7] == "-") {
        GTEST_SKIP() << "built without QQWing";
    }
    EXPECT_EQ(fields[8], "1");
    EXPECT_GT(std::stod(fields[9]), 0.0) << "the ratio over the puzzle QQWing finished";
}
