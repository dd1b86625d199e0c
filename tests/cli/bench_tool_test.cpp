#include "engine_run.h"
#ifdef KELVARO_QQWING_PEER
#include "qqwing_peer_protocol.h"
#endif

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
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
#ifndef KELVARO_QQWING_PEER
    GTEST_SKIP() << "built without QQWing";
#endif
    EXPECT_EQ(fields[8], "1");
    EXPECT_GT(std::stod(fields[9]), 0.0) << "the ratio over the puzzle QQWing finished";
}

#ifdef KELVARO_QQWING_PEER
TEST(BenchTool, TheGenerationBenchmarkTimesQQWingAtEveryLevel)
{
    const EngineRun run = runEngine("bench-generate --count 1 --seed 5", "");
    EXPECT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string row;
    std::getline(lines, row);
    for (const char* level : {"simple", "easy", "intermediate", "expert"}) {
        ASSERT_TRUE(std::getline(lines, row)) << run.out;
        const std::vector<std::string> fields = tabFields(row);
        ASSERT_EQ(fields.size(), 9U) << row;
        EXPECT_EQ(fields[6], level);
        EXPECT_GT(std::stod(fields[7]), 0.0) << row;  // QQWing's milliseconds, not "-"
    }
}

// The peer's own answer: solved, the solution, and whether it is the only one.
TEST(BenchTool, TheQQWingPeerTellsAUniqueSolutionFromSeveral)
{
    const std::string classic =
        "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
    // The peer's input: an index, then the 81 digits, each a word.
    std::string input;
    for (const auto& [index, puzzle] : {std::pair{0, classic}, std::pair{1, std::string(81, '0')}}) {
        input += std::to_string(index);
        for (const char digit : puzzle)
            input += std::string(" ") + digit;
        input += '\n';
    }
    const auto file = std::filesystem::temp_directory_path()
                      / ("kelvaro-peer-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(file) << input;
    FILE* peer = popen((std::string(KELVARO_QQWING_PEER) + " solve unique 10 < " + file.string()).c_str(), "r");
    ASSERT_NE(peer, nullptr);
    PeerRecord records[2]{};
    const std::size_t read = std::fread(records, sizeof(PeerRecord), 2, peer);
    EXPECT_EQ(pclose(peer), 0);
    std::filesystem::remove(file);
    ASSERT_EQ(read, 2U);
    EXPECT_EQ(records[0].index, 0U);
    EXPECT_EQ(records[0].solved, 1);
    EXPECT_EQ(records[0].unique, 1);
    std::string solution;
    for (const std::int8_t digit : records[0].solution)
        solution += static_cast<char>('0' + digit);
    EXPECT_EQ(solution, "534678912672195348198342567859761423426853791713924856961537284287419635345286179");
    EXPECT_EQ(records[1].index, 1U);
    EXPECT_EQ(records[1].solved, 1);
    EXPECT_EQ(records[1].unique, 0) << "an empty grid has many solutions";
}
#endif
