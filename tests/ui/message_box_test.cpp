#include "message_answer.h"
#include "message_box.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBox, ShowsTitleAndTextWithOneButtonModalToTheWholeProgram)
{
    MessageAnswer answer;
    showMessage("Solved!", "Puzzle solved in 3 milliseconds.");
    ASSERT_TRUE(answer.seen().shown);
    EXPECT_EQ(answer.seen().title, QString("Solved!"));
    EXPECT_EQ(answer.seen().text, QString("Puzzle solved in 3 milliseconds."));
    EXPECT_EQ(answer.seen().buttons, 1);
    EXPECT_TRUE(answer.seen().applicationModal);
}

}  // namespace
