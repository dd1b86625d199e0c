#include "clear_command.h"
#include "main_window_fixture.h"
#include "message_answer.h"

#include <QRegularExpression>

namespace {

const QColor red(255, 0, 0);
const QColor black(1, 0, 0);

const std::string puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string solved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
// Clash-free, yet the bottom-right cell can hold nothing: its row has 1 to 8
// and its column a 9.
const std::string noSolution = "........9" + std::string(63, '.') + "12345678.";

using ClearCommand = MainWindowTest;
using SolveButton = MainWindowTest;

void pressButton(int id)
{
    QTest::mouseClick(findControl(id), Qt::LeftButton);
    MainWindowTest::dispatchPending();
}

TEST_F(ClearCommand, EmptiesEveryFieldAndCellAndClearsTheClashes)
{
    typePuzzle(puzzle);
    typeInto(8, 6, "5");  // clashes with the 5 below it
    ASSERT_EQ(colour(8, 6), red);
    grid[0][0].candidates.store("12");
    solution[0][0] = "5";

    pressButton(clearButtonId);

    EXPECT_EQ(fieldsInReadingOrder(), std::string(81, '.'));
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            EXPECT_EQ(value(i, j), "");
            EXPECT_EQ(cell(i, j).clash, 0);
            EXPECT_EQ(colour(i, j), black);
        }
    }
    EXPECT_EQ(grid[0][0].candidates.read(), "12") << "candidates are left alone";
    EXPECT_EQ(solution[0][0], "5") << "the generator's copy is left alone";
}

TEST_F(ClearCommand, WritesRaiseNoEditOfTheirOwn)
{
    typeInto(2, 2, "4");
    takePendingEvents();
    clearCommand();
    for (const UiEvent& event : takePendingEvents()) {
        EXPECT_NE(event.type, typeTextChanged) << event.controlId;
    }
}

TEST_F(ClearCommand, FormerlyRedCellIsBlackWhenTypedAgain)
{
    typeInto(0, 0, "3");
    typeInto(0, 1, "3");
    ASSERT_EQ(colour(0, 1), red);
    clearCommand();
    typeInto(0, 1, "3");
    EXPECT_EQ(colour(0, 1), black);
}

TEST_F(SolveButton, RefusesAGridWithAClashAndChangesNothing)
{
    typeInto(0, 0, "5");
    typeInto(3, 0, "5");
    const std::string before = fieldsInReadingOrder();

    MessageAnswer answer;
    pressButton(solveButtonId);
    ASSERT_TRUE(answer.seen().shown);
    EXPECT_EQ(answer.seen().title, QString("Un-Solvable!"));
    EXPECT_EQ(answer.seen().text,
              QString("Puzzle cannot be solved.  There are numbers of the same value on the "
                      "same row, column or 3x3 grid"));
    EXPECT_EQ(fieldsInReadingOrder(), before);
    EXPECT_EQ(value(1, 0), "");
}

TEST_F(SolveButton, FillsTheFieldsAndReportsTheTime)
{
    typePuzzle(puzzle);
    MessageAnswer answer;
    pressButton(solveButtonId);

    ASSERT_TRUE(answer.seen().shown);
    EXPECT_EQ(answer.seen().title, QString("Solved!"));
    EXPECT_TRUE(QRegularExpression("^Puzzle solved in \\d+ milliseconds\\.$")
                    .match(answer.seen().text)
                    .hasMatch())
        << answer.seen().text.toStdString();
    EXPECT_EQ(fieldsInReadingOrder(), solved);
    EXPECT_EQ(value(8, 8), "9");
}

TEST_F(SolveButton, SolvedDigitsWrittenByTheProgramRaiseNoEdit)
{
    typePuzzle(puzzle);
    MessageAnswer answer;
    QTest::mouseClick(findControl(solveButtonId), Qt::LeftButton);
    for (const UiEvent& event : takePendingEvents()) {
        dispatchEvent(event);
    }
    ASSERT_EQ(fieldsInReadingOrder(), solved);
    for (const UiEvent& event : takePendingEvents()) {
        EXPECT_NE(event.type, typeTextChanged) << event.controlId;
    }
}

TEST_F(SolveButton, SaysSoWhenThePuzzleHasNoSolution)
{
    typePuzzle(noSolution);
    MessageAnswer answer;
    pressButton(solveButtonId);

    ASSERT_TRUE(answer.seen().shown);
    EXPECT_EQ(answer.seen().title, QString("Un-Solvable!"));
    EXPECT_EQ(answer.seen().text, QString("Puzzle cannot be solved.  It has no solution."));
    EXPECT_EQ(fieldsInReadingOrder(), noSolution);
    EXPECT_EQ(value(8, 8), "");
}

TEST_F(SolveButton, EmptyGridAfterClearIsSolved)
{
    typeInto(0, 0, "5");
    typeInto(3, 0, "5");
    pressButton(clearButtonId);
    MessageAnswer answer;
    pressButton(solveButtonId);
    EXPECT_EQ(answer.seen().title, QString("Solved!"));
    EXPECT_EQ(fieldsInReadingOrder().substr(0, 18), "123456789456789123");
}

}  // namespace
