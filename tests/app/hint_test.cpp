#include "about_windows.h"
#include "clear_command.h"
#include "controls.h"
#include "difficulty_dialog.h"
#include "main_window_fixture.h"
#include "main_window_keys.h"
#include "message_answer.h"

#include <QImage>
#include <QTimer>

namespace {

using HintCommand = MainWindowTest;
using CheckPuzzle = MainWindowTest;
using HintAndCheck = MainWindowTest;

// Row 1 holds 1 to 8: its last cell takes the missing 9.
const std::string nineMissingFromRow1 = "12345678." + std::string(72, '.');
// Column 1 holds a 6 and box 4 has 1, 2 and 3 in column 3: the 6 of box 4
// can only go in column 2, which rules it out of the column's cells below.
const std::string pointingInBox4 = std::string(".........") + "6...8...9" + "........." + "..1....2." + "..2....3."
                               + "..3....5." + "..5....1." + "........." + ".........";
const std::string puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string solved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

std::string hintText() { return controlText(hintTextId); }

// Whether the cell is drawn marked: the left edge of its field, halfway down,
// is far darker than the same place of the field of row 5, column 5, so
// that a player who sees no colours sees it too.
bool looksMarked(int column, int row)
{
    const QImage drawn = MainWindowTest::window()->grab().toImage();
    const auto edge = [&](int i, int j) { return qGray(drawn.pixel(cellOffset(i) + 1, cellOffset(j) + 15)); };
    return edge(4, 4) - edge(column, row) > 100;
}

TEST_F(HintCommand, MarksTheCellAndGivesTheReasonBesideTheGridUntilTheGridChanges)
{
    typePuzzle(nineMissingFromRow1);
    give(hintId);
    EXPECT_EQ(hintText(), "Row 1 has one empty cell left: row 1, column 9 takes the missing 9.");
    EXPECT_TRUE(looksMarked(8, 0));
    EXPECT_FALSE(looksMarked(7, 0));
    EXPECT_EQ(value(8, 0), "") << "a first hint only shows the step";
    const QRect reason = findControl(hintTextId)->geometry();
    EXPECT_TRUE(QRect(272, 161, 78, 111).contains(reason)) << "it covers the grid or the buttons";

    typeInto(0, 8, "5");
    EXPECT_EQ(hintText(), "");
    EXPECT_FALSE(looksMarked(8, 0));

    give(hintId);
    ASSERT_NE(hintText(), "");
    QTest::mouseClick(findControl(clearButtonId), Qt::LeftButton);
    dispatchPending();
    EXPECT_EQ(hintText(), "") << "Clear changes the grid too";
    EXPECT_FALSE(looksMarked(8, 0));
}

TEST_F(HintCommand, SecondHintPlacesTheDigitAsTypedAndAsOneUndoStep)
{
    typePuzzle(nineMissingFromRow1);
    pressKey(0, 8, Qt::Key_H, Qt::ControlModifier);
    pressKey(0, 8, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(value(8, 0), "9");
    EXPECT_EQ(cellField(8, 0)->text(), "9");
    EXPECT_EQ(colour(8, 0), QColor(1, 0, 0));
    EXPECT_EQ(hintText(), "") << "the step is made; its reason goes";
    EXPECT_FALSE(looksMarked(8, 0));

    pressKey(0, 8, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(gridInReadingOrder(), nineMissingFromRow1);
    pressKey(0, 8, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(gridInReadingOrder(), "1234567" + std::string(74, '.')) << "the hints took more than one step";
}

TEST_F(HintCommand, HintsOneAfterAnotherSolveAPuzzle)
{
    typePuzzle(puzzle);
    for (int k = 0; k < 2 * 81 && fieldsInReadingOrder() != solved; ++k) {
        give(hintId);
    }
    EXPECT_EQ(fieldsInReadingOrder(), solved);
    give(hintId);
    EXPECT_EQ(hintText(), "The puzzle is complete.");
}

TEST_F(HintCommand, AStepsStrikesCountForTheHintsAfterIt)
{
    typePuzzle(pointingInBox4);
    give(hintId);
    const std::string pointingReason = hintText();
    EXPECT_EQ(pointingReason, "In box 4, the 6 can only go in column 2, so it cannot be in column 2 outside box 4: "
                              "column 2, rows 7, 8 and 9 cannot be 6.");
    EXPECT_TRUE(looksMarked(1, 3));
    EXPECT_TRUE(looksMarked(1, 5));

    give(hintId);
    EXPECT_EQ(fieldsInReadingOrder(), pointingInBox4) << "pointing places no digit";
    EXPECT_FALSE(looksMarked(1, 3));
    give(hintId);
    EXPECT_NE(hintText(), "");
    EXPECT_NE(hintText(), pointingReason) << "the step's strikes were forgotten";
}

// Pixels of the grid in the weak links' dark orange, which nothing else in
// the window is drawn in.
int chainInkPixels()
{
    const QImage drawn = MainWindowTest::window()->grab().toImage();
    int count = 0;
    for (int y = 0; y < cellOffset(9); ++y) {
        for (int x = 0; x < cellOffset(9); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            count += c.red() > 150 && c.green() > 50 && c.green() < 120 && c.blue() < 60 ? 1 : 0;
        }
    }
    return count;
}

TEST_F(HintCommand, DrawsAChainOnTheGridUntilTheStepIsMade)
{
    typePuzzle(".83.2..9....8..1...293....8....987...7.....6...674....3....698...2..5....1..3.54.");
    for (int k = 0; k < 2 * 81 && hintText().rfind("If ", 0) != 0; ++k) {
        give(hintId);
    }
    ASSERT_EQ(hintText().rfind("If row 2, column 1 is 6, row 2, column 1 is not 5, so ", 0), 0u) << hintText();
    EXPECT_GT(chainInkPixels(), 100) << "the chain's weak links, dashed";
    EXPECT_TRUE(looksMarked(0, 1));
    give(hintId);
    EXPECT_EQ(chainInkPixels(), 0) << "the step is made; its chain goes";
}

TEST_F(HintCommand, WithoutAStepItSaysWhyAndChangesNothing)
{
    typeInto(0, 0, "5");
    typeInto(5, 0, "5");
    give(hintId);
    EXPECT_EQ(hintText(), "The grid has a clash: Row 1, column 1 and row 1, column 6 both hold 5.");
    give(hintId);
    EXPECT_EQ(fieldsInReadingOrder(), "5....5..." + std::string(72, '.'));
}

TEST_F(CheckPuzzle, GivesTheSolutionCountAndTheRatingOrTheClashingCells)
{
    std::string oneGap = solved;
    oneGap[40] = '.';
    // Swapping the 6s and 7s of rows 1 and 4, columns 4 and 5, gives a
    // second solution.
    std::string twoWays = solved;
    for (const int cell : {3, 4, 30, 31}) {
        twoWays[cell] = '.';
    }
    const struct {
        std::string values;
        const char* message;
    } cases[] = {
        {oneGap, "Solutions: one.\nEasy: rated 1.0 on Sudoku Explainer's scale.\nHardest step: Last empty cell."},
        {twoWays, "Solutions: two or more.\nNot a proper puzzle: it has more than one solution."},
        // Clash-free, yet the bottom-right cell can hold nothing.
        {"........9" + std::string(63, '.') + "12345678.",
         "Solutions: none.\nNot a puzzle: no filling fits these givens."},
        // Two 5s in row 1, and three 7s in box 9.
        {"5...5...." + std::string(45, '.') + "........7" + "......7.." + ".......7.",
         "Solutions: none.\nNot a puzzle: two givens share a row, column or box.\n\n"
         "The 5s in row 1, column 1 and row 1, column 5 clash.\n"
         "The 7s in row 7, column 9; row 8, column 7 and row 9, column 8 clash."},
    };
    for (const auto& c : cases) {
        clearCommand();
        window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
        typePuzzle(c.values);
        MessageAnswer answer;
        pressKey(0, 8, Qt::Key_K, Qt::ControlModifier);
        EXPECT_EQ(answer.seen().title, "Check puzzle");
        EXPECT_EQ(answer.seen().text, c.message);
        EXPECT_EQ(fieldsInReadingOrder(), c.values) << "checking changed the grid";
    }
}

// Ctrl+H and Ctrl+K in a cell, the main window active, while `command`'s
// window waits; `end` then ends that wait.
void pressHintAndCheckDuring(int command, std::function<void()> end)
{
    std::string shownMeanwhile = "not looked";
    MessageAnswer answer;
    QTimer::singleShot(0, [&] {
        MainWindowTest::window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindowTest::window()));
        QLineEdit* field = MainWindowTest::cellField(4, 4);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_H, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_K, Qt::ControlModifier);
        QTimer::singleShot(20, [&] {
            shownMeanwhile = hintText();
            end();
        });
    });
    dispatchEvent({eventControl, command, typePressed, mainWindow});
    MainWindowTest::dispatchPending();

    EXPECT_EQ(shownMeanwhile, "");
    EXPECT_EQ(hintText(), "") << "a hint asked for meanwhile was kept for later";
    EXPECT_FALSE(answer.seen().shown) << "a check asked for meanwhile was made";
}

TEST_F(HintAndCheck, AreDroppedWhileTheDifficultyDialogOrTheAboutWindowWaits)
{
    typePuzzle(nineMissingFromRow1);
    pressHintAndCheckDuring(aboutButtonId, [] { findWindow(aboutWindow)->close(); });
    pressHintAndCheckDuring(generateButtonId,
                            [] { QTest::mouseClick(findControl(difficultyOkId), Qt::LeftButton); });
}

}  // namespace
