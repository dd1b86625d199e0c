#include "techniques.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Stand-in techniques that log their calls and report progress as a script
// says, one entry per call.
std::vector<std::string> calls;
std::vector<int> script;

int scripted(Board& board, const char* name)
{
    const bool progresses = script.at(calls.size()) != 0;
    calls.emplace_back(name);
    if (progresses) {
        board.progress = 1;
    }
    return board.progress;
}

int first(Board& board) { return scripted(board, "first"); }
int second(Board& board) { return scripted(board, "second"); }
int third(Board& board) { return scripted(board, "third"); }

}  // namespace

// Each pass starts with a clear flag, ends at the first technique that makes
// progress, and the loop ends after a pass without any.
TEST(TechniqueLoop, PassesEndAtTheFirstProgressUntilOneMakesNone)
{
    calls.clear();
    script = {0, 1, 0, 0, 1, 0, 0, 0};
    Board board;
    board.progress = 1;
    static constexpr Technique loop[] = {first, second, third};

    runTechniqueLoop(board, loop);

    EXPECT_EQ(calls, (std::vector<std::string>{"first", "second", "first", "second", "third", "first",
                                               "second", "third"}));
    EXPECT_EQ(board.progress, 0);
}
