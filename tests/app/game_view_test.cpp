#include "clipboard.h"
#include "controls.h"
#include "main_window_fixture.h"
#include "main_window_keys.h"
#include "message_answer.h"

#include <QTimer>

#include <set>

namespace {

using Highlight = MainWindowTest;
using Givens = MainWindowTest;
using Verdict = MainWindowTest;

const std::string puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string solved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

const QColor white(255, 255, 255);
const QColor black(1, 0, 0);
const QColor red(255, 0, 0);

QColor background(int column, int row) { return MainWindowTest::cellField(column, row)->palette().color(QPalette::Base); }

void give(int commandId)
{
    postControlEvent(mainWindow, commandId, typePressed);
    MainWindowTest::dispatchPending();
}

void paste(const std::string& text)
{
    setClipboardText(text);
    give(pastePuzzleId);
}

// The cells, in reading order, whose background is not white.
std::set<int> tinted()
{
    std::set<int> cells;
    for (int index = 0; index < 81; ++index) {
        if (background(index % 9, index / 9) != white) {
            cells.insert(index);
        }
    }
    return cells;
}

TEST_F(Highlight, OnlyACellWithADigitInFocusTintsItsDigitAndItsRowColumnAndBox)
{
    typePuzzle(puzzle);
    window()->setFocus();
    EXPECT_TRUE(tinted().empty()) << "a tint with no cell focused";
    cellField(2, 0)->setFocus();
    EXPECT_TRUE(tinted().empty()) << "a tint for an empty cell";

    cellField(0, 0)->setFocus();  // a 5
    const std::set<int> fives = {0, 14, 71};
    std::set<int> expected = fives;
    for (int k = 0; k < 9; ++k) {
        expected.insert(k);               // row 1
        expected.insert(9 * k);           // column 1
        expected.insert(9 * (k / 3) + k % 3);  // box 1
    }
    EXPECT_EQ(tinted(), expected);
    const QColor line = background(1, 0);
    for (const int five : fives) {
        EXPECT_NE(background(five % 9, five / 9), line) << five;
        EXPECT_TRUE(cellField(five % 9, five / 9)->font().bold()) << five;
    }
    EXPECT_FALSE(cellField(1, 0)->font().bold());

    typeInto(2, 0, "5");  // clashes with the 5 in row 1 and stays red, tinted as a 5
    EXPECT_EQ(colour(2, 0), red);
    EXPECT_EQ(colour(0, 0), red);
    window()->setFocus();
    EXPECT_TRUE(tinted().empty());
    EXPECT_FALSE(cellField(0, 0)->font().bold());
}

TEST_F(Highlight, TheHintsFrameStaysOnTopOfTheTint)
{
    typePuzzle("12345678." + std::string(72, '.'));
    give(hintId);
    cellField(0, 0)->setFocus();  // its row holds the hinted cell
    ASSERT_NE(background(8, 0), white);
    const QImage drawn = window()->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(cellOffset(8) + 1, cellOffset(0) + 15), QColor(0, 70, 200));
}

TEST_F(Givens, PastedAndGeneratedDigitsAreGivensThatTypingLeavesAlone)
{
    paste(puzzle);
    typeInto(0, 0, "9");
    pressKey(0, 0, Qt::Key_Backspace);
    EXPECT_EQ(value(0, 0), "5");
    EXPECT_EQ(colour(0, 0), black);
    typeInto(2, 0, "4");
    const QColor entered = colour(2, 0);
    EXPECT_NE(entered, black);
    // Readable on white in greyscale too: dark, yet apart from black.
    EXPECT_LT(qGray(entered.rgb()), 100);
    EXPECT_GT(qGray(entered.rgb()), 40);

    QTimer::singleShot(30, [] { QTest::mouseClick(findControl(10), Qt::LeftButton); });
    give(generateButtonId);
    window()->activateWindow();
    int givens = 0;
    for (const GameCell& each : game.cells) {
        EXPECT_EQ(each.given, each.value != 0);
        givens += each.given ? 1 : 0;
    }
    EXPECT_GT(givens, 17);
}

TEST_F(Verdict, FillingTheLastCellSaysWhetherTheGridIsRight)
{
    paste(puzzle);
    for (int index = 0; index < 80; ++index) {
        if (puzzle[index] == '.' && index != 78) {
            typeInto(index % 9, index / 9, solved.substr(index, 1));
        }
    }
    EXPECT_EQ(controlText(hintTextId), "");
    typeInto(6, 8, "1");
    EXPECT_EQ(controlText(hintTextId), "Complete: every cell is filled and every digit is right. Well done!");
    pressKey(6, 8, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(controlText(hintTextId), "") << "the verdict outlived the grid it was for";
    typeInto(6, 8, "3");
    EXPECT_EQ(controlText(hintTextId), "Every cell is filled, but some digits are wrong.");
}

// Whether the field's digit is crossed out: the stroke's red near its
// bottom-left corner, where no digit reaches.
bool crossed(int column, int row)
{
    MainWindowTest::window()->setFocus();
    const QImage drawn = MainWindowTest::cellField(column, row)->grab().toImage();
    const QColor corner = drawn.pixelColor(6, 23);
    return corner.red() > corner.green() + 60;
}

TEST_F(Verdict, ShowMistakesCrossesOutWrongDigitsForTheRestOfTheGameAndSaysWhyWhenItCannot)
{
    paste(puzzle);
    typeInto(2, 0, "1");  // the solution has a 4
    typeInto(3, 0, "6");
    EXPECT_FALSE(crossed(2, 0)) << "shown before it was asked for";
    pressKey(8, 8, Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(crossed(2, 0));
    EXPECT_FALSE(crossed(3, 0));
    EXPECT_FALSE(crossed(0, 0));
    typeInto(3, 0, "2");
    EXPECT_TRUE(crossed(3, 0)) << "a mistake made after Ctrl+M";

    give(clearButtonId);
    typePuzzle(puzzle);
    pressKey(8, 8, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(controlText(hintTextId), "No givens to check against: generate or paste a puzzle first.");
    std::string twoWays = solved;
    for (const int index : {3, 4, 30, 31}) {
        twoWays[index] = '.';
    }
    paste(twoWays);
    pressKey(8, 8, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(controlText(hintTextId),
              "The givens have more than one solution: no digit can be called a mistake.");
}

}  // namespace
