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
    return parseGenerateOptions(args, {"difficulty", "count", "seed"}, options);
}

TEST(GenerateOptions, ReadsEachOptionOnceInAnyOrder)
{
    GenerateOptions options;
    ASSERT_TRUE(parses({"--seed", "18446744073709551615", "--count", "3", "--difficulty", "4"}, options));
    EXPECT_EQ(options.difficulty, 4);
    EXPECT_EQ(options.count, 3);
    EXPECT_EQ(options.seed, 18446744073709551615ULL);
    ASSERT_TRUE(parses({}, options));
    EXPECT_FALSE(options.difficulty || options.count || options.seed);
}

TEST(GenerateOptions, RefusesWhatItCannotRead)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--difficulty", "0"},  {"--difficulty", "5"},       {"--difficulty", "2x"}, {"--difficulty"},
        {"--count", "0"},       {"--count", "-1"},           {"--count", ""},        {"--seed", "-3"},
        {"--colour", "1"},      {"difficulty", "1"},         {"--count", "1", "--count", "2"},
        {"--seed", "18446744073709551616"},
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

TEST(GenerateTool, BadArgumentsEndWithStatusTwo)
{
    for (const char* arguments : {"generate", "generate --difficulty 2", "generate --count 2",
                                  "generate --difficulty 9 --count 2", "bench-generate --count none",
                                  "bench-generate --difficulty 1"}) {
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
        std::vector<std::string> fields;
        std::istringstream row(run.lines[d]);
        for (std::string field; std::getline(row, field, '\t');) {
            fields.push_back(field);
        }
        ASSERT_EQ(fields.size(), 9U) << run.lines[d];
        EXPECT_EQ(fields[0], std::to_string(d));
        EXPECT_EQ(fields[1], "3");
        EXPECT_EQ(fields[5], "3") << "a puzzle with several solutions";
        EXPECT_EQ(fields[6], levels[d - 1]);
    }
}

}  // namespace
