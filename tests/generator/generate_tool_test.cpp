#include "engine_run.h"
#include "generate_options.h"
#include "puzzle_text.h"
#include "search.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ToolRun {
    int status = -1;
    std::vector<std::string> lines;
};

ToolRun runTool(const std::string& arguments)
{
    const std::string command = std::string(KELVARO_ENGINE_BINARY) + " " + arguments + " 2>/dev/null";
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        out.append(buffer, n);
    }
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        run.lines.push_back(line);
    }
    return run;
}

bool parses(const std::vector<std::string>& args, GenerateOptions& options)
{
    options = {};
    return parseGenerateOptions(args, {"difficulty", "count", "seed", "rating", "symmetric"}, options);
}


TEST(GenerateOptions, ReadsEachOptionOnceInAnyOrder)
{
    GenerateOptions options;
    ASSERT_TRUE(parses({"--seed", "18446744073709551615", "--count", "3", "--difficulty", "4"}, options));
    EXPECT_EQ(options.difficulty, 4);
    EXPECT_EQ(options.count, 3);
    EXPECT_EQ(options.seed, 18446744073709551615ULL);
    ASSERT_TRUE(parses({}, options));
    EXPECT_FALSE(options.difficulty || options.count || options.seed || options.rating || options.symmetric);

    ASSERT_TRUE(parses({"--symmetric", "--rating", "5.0-6.2"}, options));
    EXPECT_TRUE(options.symmetric);
    EXPECT_EQ(options.rating->low, 50);
    EXPECT_EQ(options.rating->high, 62);
    ASSERT_TRUE(parses({"--rating", "1-2.4", "--symmetric"}, options));
    EXPECT_EQ(options.rating->low, 10);
    EXPECT_EQ(options.rating->high, 24);
    ASSERT_TRUE(parses({"--rating", "7.1-7.1"}, options));
    EXPECT_EQ(options.rating->low, 71);
    EXPECT_EQ(options.rating->high, 71);
}

TEST(GenerateOptions, RefusesWhatItCannotRead)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--difficulty", "0"},  {"--difficulty", "5"},       {"--difficulty", "2x"}, {"--difficulty"},
        {"--count", "0"},       {"--count", "-1"},           {"--count", ""},        {"--seed", "-3"},
        {"--colour", "1"},      {"difficulty", "1"},         {"--count", "1", "--count", "2"},
        {"--seed", "18446744073709551616"},
        {"--rating", "6.2-5.0"}, {"--rating", "0.5-1.0"},    {"--rating", "1.05-2"}, {"--rating", "5"},
        {"--rating", "5.-6"},    {"--rating", "1.0-12.1"},   {"--rating"},           {"--symmetric", "--symmetric"},
        {"--symmetric", "yes"},
    };
    for (const auto& args : bad) {
        GenerateOptions options;
        EXPECT_FALSE(parses(args, options)) << args[0] << (args.size() > 1 ? " " + args[1] : "");
    }
    GenerateOptions options;
    EXPECT_FALSE(parseGenerateOptions({"--difficulty", "1"}, {"count", "seed"}, options))
        << "an option the subcommand does not take was accepted";
}

TEST(GenerateTool, PrintsTheCountOfUniquePuzzlesAndRepeatsThemForASeed)
{
    const ToolRun first = runTool("generate --difficulty 3 --count 5 --seed 11");
    ASSERT_EQ(first.status, 0);
    ASSERT_EQ(first.lines.size(), 5U);
    for (const std::string& line : first.lines) {
        Board board;
        std::string reason;
        ASSERT_TRUE(parsePuzzle(line, board, reason)) << line << ": " << reason;
        EXPECT_EQ(line.find('0'), std::string::npos) << "empty cells are written as '.'";
        EXPECT_EQ(countSolutions(board, 2), 1) << line;
    }
    EXPECT_EQ(runTool("generate --count 5 --seed 11 --difficulty 3").lines, first.lines);
    EXPECT_NE(runTool("generate --difficulty 3 --count 5 --seed 12").lines, first.lines);
}

TEST(GenerateTool, ByRatingPrintsPuzzlesOfTheBandWithTheirRatingAndRepeatsThemForASeed)
{
    const ToolRun first = runTool("generate --rating 2.5-4.9 --count 3 --seed 4");
    ASSERT_EQ(first.status, 0);
    ASSERT_EQ(first.lines.size(), 3U);
    for (const std::string& line : first.lines) {
        const std::vector<std::string> fields = tabFields(line);
        ASSERT_EQ(fields.size(), 2U) << line;
        Board board;
        std::string reason;
        ASSERT_TRUE(parsePuzzle(fields[0], board, reason)) << line << ": " << reason;
        EXPECT_EQ(countSolutions(board, 2), 1) << line;
        EXPECT_GE(fields[1], "2.5") << line;
        EXPECT_LE(fields[1], "4.9") << line;
        EXPECT_EQ(fields[1].size(), 3U) << line;
    }
    EXPECT_EQ(runTool("generate --seed 4 --count 3 --rating 2.5-4.9").lines, first.lines);

    const ToolRun symmetric = runTool("generate --rating 1.5-2.4 --symmetric --seed 4");
    ASSERT_EQ(symmetric.lines.size(), 1U) << "the count is 1 unless given";
    const std::string puzzle = tabFields(symmetric.lines[0])[0];
    for (std::size_t k = 0; k < puzzle.size(); ++k) {
        EXPECT_EQ(puzzle[k] == '.', puzzle[80 - k] == '.') << puzzle;
    }
}

TEST(GenerateTool, BadArgumentsEndWithStatusTwo)
{
    for (const char* arguments : {"generate", "generate --difficulty 2", "generate --count 2",
                                  "generate --difficulty 9 --count 2", "bench-generate --count none",
                                  "bench-generate --difficulty 1", "generate --difficulty 2 --count 1 --symmetric",
                                  "generate --difficulty 2 --count 1 --rating 1.0-1.4", "generate --symmetric",
                                  "generate --rating 5.0-6.2x", "bench-generate --rating 1.0-1.4"}) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_TRUE(run.lines.empty()) << arguments;
    }
}

TEST(GenerateTool, BenchmarkPrintsAHeaderAndARowPerDifficulty)
{
    const ToolRun run = runTool("bench-generate --count 3");
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 5U);
    EXPECT_EQ(run.lines[0],
              "difficulty\tpuzzles\tmean_ms\tmax_ms\tmean_clues\tunique\tqqwing_level\tqqwing_mean_ms\tratio");
    const char* const levels[] = {"simple", "easy", "intermediate", "expert"};
    for (int d = 1; d <= 4; ++d) {
        const std::vector<std::string> fields = tabFields(run.lines[d]);
        ASSERT_EQ(fields.size(), 9U) << run.lines[d];
        EXPECT_EQ(fields[0], std::to_string(d));
        EXPECT_EQ(fields[1], "3");
        EXPECT_EQ(fields[5], "3") << "a puzzle with several solutions";
        EXPECT_EQ(fields[6], levels[d - 1]);
    }
}

}  // namespace
