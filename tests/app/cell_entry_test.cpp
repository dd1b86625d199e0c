#include "cell_entry.h"
#include "main_window_fixture.h"

#include <QApplication>
#include <QClipboard>

#include <utility>

namespace {

const QColor red(255, 0, 0);
const QColor black(1, 0, 0);

using CellEntry = MainWindowTest;

TEST_F(CellEntry, ZeroIsRefused)
{
    typeInto(3, 4, "0");
    EXPECT_EQ(cellField(3, 4)->text(), QString());
    EXPECT_EQ(value(3, 4), "");
}

TEST_F(CellEntry, SecondDigitTypedAfterTheFirstIsDropped)
{
    typeInto(3, 4, "53");
    EXPECT_EQ(cellField(3, 4)->text(), QString("5"));
    EXPECT_EQ(value(3, 4), "5");
}

TEST_F(CellEntry, CharacterTypedBeforeTheFirstDigitIsKeptOrRefused)
{
    // 35 keeps the 3; 05 keeps the 0, which is refused.
    for (const auto& [typed, kept] : {std::pair{"3", "3"}, std::pair{"0", ""}}) {
        typeInto(3, 4, "5");
        cellField(3, 4)->setCursorPosition(0);
        typeInto(3, 4, typed);
        EXPECT_EQ(cellField(3, 4)->text(), QString(kept)) << typed;
        EXPECT_EQ(value(3, 4), kept) << typed;
        cellField(3, 4)->selectAll();
        pressKey(3, 4, Qt::Key_Backspace);
    }
}

TEST_F(CellEntry, PastedLetterNeverReachesTheCell)
{
    QApplication::clipboard()->setText("x");
    cellField(0, 0)->setFocus();
    cellField(0, 0)->paste();
    dispatchPending();
    EXPECT_EQ(cellField(0, 0)->text(), QString());
    EXPECT_EQ(value(0, 0), "");
}

TEST_F(CellEntry, AnyCharacterOtherThanOneToNineEmptiesTheField)
{
    for (const char* text : {"x", "x5", " ", "-"}) {
        field(40)->setText(text);
        dispatchEvent({eventControl, 40, typeTextChanged, mainWindow});
        EXPECT_EQ(field(40)->text(), QString()) << text;
        EXPECT_EQ(grid[2][5].value.read(), "") << text;
    }
    field(40)->setText("9x");
    dispatchEvent({eventControl, 40, typeTextChanged, mainWindow});
    EXPECT_EQ(field(40)->text(), QString("9"));
    EXPECT_EQ(grid[2][5].value.read(), "9");
}

TEST_F(CellEntry, DigitRepeatedInItsRowTurnsBothRed)
{
    typeInto(0, 3, "5");
    EXPECT_EQ(colour(0, 3), black);
    typeInto(7, 3, "5");
    EXPECT_EQ(colour(0, 3), red);
    EXPECT_EQ(colour(7, 3), red);
    EXPECT_EQ(grid[0][3].clash, 1);
    EXPECT_EQ(grid[7][3].clash, 1);
}

TEST_F(CellEntry, ThreeEqualDigitsInARowAllEndRed)
{
    typeInto(0, 0, "5");
    typeInto(4, 0, "5");
    typeInto(8, 0, "5");
    for (const int column : {0, 4, 8}) {
        EXPECT_EQ(colour(column, 0), red) << column;
        EXPECT_EQ(grid[column][0].clash, 1) << column;
    }
}

TEST_F(CellEntry, DeletingEitherOfTwoClashingDigitsTurnsBothBlack)
{
    for (const int deleted : {0, 1}) {
        const int columns[2] = {1, 5};
        typeInto(columns[0], 2, "7");
        typeInto(columns[1], 2, "7");
        ASSERT_EQ(colour(columns[0], 2), red);

        pressKey(columns[deleted], 2, Qt::Key_Backspace);
        EXPECT_EQ(value(columns[deleted], 2), "");
        for (const int column : columns) {
            EXPECT_EQ(colour(column, 2), black) << "deleted " << deleted;
            EXPECT_EQ(grid[column][2].clash, 0);
        }
        pressKey(columns[1 - deleted], 2, Qt::Key_Backspace);
    }
}

TEST_F(CellEntry, DigitRepeatedInItsBoxAndColumnClashes)
{
    typeInto(4, 4, "2");
    typeInto(5, 5, "2");  // same box only
    EXPECT_EQ(colour(4, 4), red);
    EXPECT_EQ(colour(5, 5), red);
    pressKey(5, 5, Qt::Key_Backspace);
    typeInto(4, 8, "2");  // same column only
    EXPECT_EQ(colour(4, 4), red);
    EXPECT_EQ(colour(4, 8), red);
}

TEST_F(CellEntry, EveryFieldsColourFollowsItsFlagAfterAnEdit)
{
    typeInto(1, 1, "4");
    typeInto(1, 7, "4");
    typeInto(6, 6, "9");
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            EXPECT_EQ(colour(i, j), grid[i][j].clash ? red : black) << i << "," << j;
        }
    }
    EXPECT_EQ(colour(1, 1), red);
    EXPECT_EQ(colour(6, 6), black);
}

TEST(CheckClash, EachScanFlagsOnlyTheFirstEqualPeer)
{
    resetEngineState();
    grid[0][0].value.store("5");
    grid[3][0].value.store("5");
    grid[6][0].value.store("5");
    checkClash(0, 0);
    EXPECT_EQ(grid[0][0].clash, 1);
    EXPECT_EQ(grid[3][0].clash, 1);
    EXPECT_EQ(grid[6][0].clash, 0);
}

TEST(CheckClash, RunsTheRowAndColumnScansWhateverTheBoxScanFound)
{
    resetEngineState();
    grid[4][4].value.store("8");
    grid[3][3].value.store("8");  // box
    grid[8][4].value.store("8");  // row
    grid[4][0].value.store("8");  // column
    checkClash(4, 4);
    EXPECT_EQ(grid[4][4].clash, 1);
    EXPECT_EQ(grid[3][3].clash, 1);
    EXPECT_EQ(grid[8][4].clash, 1);
    EXPECT_EQ(grid[4][0].clash, 1);
}

TEST(CheckClash, EmptyCellIsNeverFlaggedAndPeersKeepTheirFlags)
{
    resetEngineState();
    grid[2][2].clash = 1;
    grid[2][3].value.store("1");
    grid[2][3].clash = 1;
    checkClash(2, 2);
    EXPECT_EQ(grid[2][2].clash, 0);
    EXPECT_EQ(grid[2][3].clash, 1);

    grid[2][2].value.store("3");
    checkClash(2, 2);
    EXPECT_EQ(grid[2][2].clash, 0);
    EXPECT_EQ(grid[2][3].clash, 1) << "a check never clears a peer's flag";
}

}  // namespace
