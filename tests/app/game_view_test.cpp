#include "clipboard.h"
#include "controls.h"
#include "main_window_fixture.h"
#include "main_window_keys.h"

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

QColor background(int index) { return MainWindowTest::cellField(index % 9, index / 9)->palette().color(QPalette::Base); }

void paste(const std::string& text)
{
    setClipboardText(text);
    MainWindowTest::give(pastePuzzleId);
}

// The cells, in reading order, whose background is not white.
std::set<int> tinted()
{
    std::set<int> cells;
    for (int index = 0; index < 81; ++index) {
        if (background(index) != QColor(255, 255, 255)) {
            cells.insert(index);
        }
    }
    return cells;
}

TEST_F(Highlight, OnlyACellWithADigitInFocusTintsItsDigitAndItsRowColumnAndBoxUnderTheHintsFrame)
{
    typePuzzle(puzzle);
    window()->setFocus();
    EXPECT_TRUE(tinted().empty()) << "a tint with no cell focused";
    cellField(2, 0)->setFocus();
    EXPECT_TRUE(tinted().empty()) << "a tint for an empty cell";

    cellField(0, 0)->setFocus();  // a 5; the other 5s stand at 14 and 71
    std::set<int> expected = {14, 71};
    for (int k = 0; k < 9; ++k) {
        expected.insert({k, 9 * k, 9 * (k / 3) + k % 3});  // row 1, column 1, box 1
    }
    EXPECT_EQ(tinted(), expected);
    for (const int five : {0, 14, 71}) {
        EXPECT_NE(background(five), background(1)) << five;
        EXPECT_TRUE(cellField(five % 9, five / 9)->font().bold()) << five;
    }
    EXPECT_FALSE(cellField(1, 0)->font().bold());
    typeInto(2, 0, "5");  // clashes, and stays red among the tinted 5s
    EXPECT_EQ(colour(2, 0), QColor(255, 0, 0));

    give(clearButtonId);
    typePuzzle("12345678." + std::string(72, '.'));
    give(hintId);
    cellField(0, 0)->setFocus();  // its row holds the hinted cell
    ASSERT_NE(background(8), QColor(255, 255, 255));
    EXPECT_EQ(window()->grab().toImage().pixelColor(cellOffset(8) + 1, cellOffset(0) + 15), QColor(0, 70, 200));
    window()->setFocus();
    EXPECT_TRUE(tinted().empty());
    EXPECT_FALSE(cellField(0, 0)->font().bold());
}

TEST_F(Givens, PastedAndGeneratedDigitsAreGivensThatTypingLeavesAlone)
{
    paste(puzzle);
    typeInto(0, 0, "9");
    pressKey(0, 0, Qt::Key_Backspace);
    EXPECT_EQ(value(0, 0), "5");
    EXPECT_EQ(colour(0, 0), QColor(1, 0, 0));
    typeInto(2, 0, "4");
    // Dark enough to read in greyscale, yet apart from the givens' black.
    EXPECT_LT(qGray(colour(2, 0).rgb()), 100);
    EXPECT_GT(qGray(colour(2, 0).rgb()), 40);

    QTimer::singleShot(30, [] { QTest::mouseClick(findControl(10), Qt::LeftButton); });
    give(generateButtonId);
    for (const GameCell& each : game.cells) {
        EXPECT_EQ(each.given, each.value != 0);
    }
}

// Whether the field's digit is crossed out: the stroke's red near its
// bottom-left corner, where no digit reaches.
bool crossed(int column, int row)
{
    MainWindowTest::window()->setFocus();
    const QColor corner = MainWindowTest::cellField(column, row)->grab().toImage().pixelColor(6, 23);
    return corner.red() > corner.green() + 60;
}

TEST_F(Verdict, TheLastCellSaysWhetherTheGridIsRightAndMistakesAreCrossedOutOnceAsked)
{
    paste(puzzle);
    for (int index = 0; index < 78; ++index) {
        if (puzzle[index] == '.') {
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
    typeInto(6, 8, "1");
    EXPECT_EQ(controlText(hintTextId), "") << "a verdict though no empty cell was filled";
    typeInto(6, 8, "3");

    EXPECT_FALSE(crossed(6, 8)) << "a mistake shown before it was asked for";
    pressKey(8, 8, Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(crossed(6, 8));
    EXPECT_FALSE(crossed(5, 8));
    EXPECT_FALSE(crossed(0, 0)) << "a given";

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
    EXPECT_EQ(controlText(hintTextId), "The givens have more than one solution: no digit can be called a mistake.");
}

}  // namespace
