#include "line_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

// Every line read from `text`, as "number:text" or "number!error".
std::vector<std::string> linesOf(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> lines;
    std::string readError;
    EXPECT_TRUE(readLines(in, [&](const InputLine& line) {
        lines.push_back(std::to_string(line.number) + (line.error.empty() ? ":" + line.text : "!" + line.error));
        return true;
    }, readError));
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineReader, EndsLinesAtLfCrLfAndALoneCr)
{
    EXPECT_EQ(linesOf("a\nb\r\nc\rd"), (Lines{"1:a", "2:b", "3:c", "4:d"}));
    EXPECT_EQ(linesOf("a\r\r\n\nb\n"), (Lines{"1:a", "2:", "3:", "4:b"}));
    EXPECT_EQ(linesOf(""), Lines{});
}

TEST(LineReader, DropsALeadingByteOrderMarkAndTrailingBlanksOnly)
{
    EXPECT_EQ(linesOf("\xEF\xBB\xBF" "a b \t\n \tc\t \r\xEF\xBB\xBF" "d"),
              (Lines{"1:a b", "2: \tc", "3:\xEF\xBB\xBF" "d"}));
    EXPECT_EQ(linesOf("\xEF\xBB\xBF"), Lines{});
}

TEST(LineReader, AHugeLineIsAnErrorOfItsOwnAndReadingGoesOn)
{
    const Lines lines = linesOf("a\n" + std::string(1 << 24, '5') + "\nb\n" + "c" + std::string(1 << 20, ' ') + "\n");
    EXPECT_EQ(lines, (Lines{"1:a", "2!too long to read: 16777216 characters", "3:b", "4:c"}));
}

TEST(LineReader, StopsWhenAskedAndReportsAReadError)
{
    std::istringstream in("a\nb\n");
    int taken = 0;
    std::string readError;
    EXPECT_TRUE(readLines(in, [&](const InputLine&) { return ++taken < 1; }, readError));
    EXPECT_EQ(taken, 1);

    std::ifstream directory(std::filesystem::temp_directory_path());
    EXPECT_FALSE(readLines(directory, [&](const InputLine&) { return ++taken > 0; }, readError));
    EXPECT_EQ(taken, 1);
    EXPECT_EQ(readError, "Is a directory");
}

}  // namespace
