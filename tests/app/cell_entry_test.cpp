#include "main_window_fixture.h"

#include <QApplication>
#include <QClipboard>


namespace {

const QColor red(255, 0, 0);
const QColor black(1, 0, 0);

using CellEntry = MainWindowTest;

TEST_F(CellEntry, ZeroBackspaceAndDeleteEmptyTheCell)
{
    typeInto(3, 4, "0");
    EXPECT_EQ(cellField(3, 4)->text(), QString());
    EXPECT_EQ(value(3, 4), "");
    for (const Qt::Key key : {Qt::Key_0, Qt::Key_Backspace, Qt::Key_Delete}) {
        typeInto(3, 4, "5");
        pressKey(3, 4, key);
        EXPECT_EQ(value(3, 4), "") << key;
        EXPECT_EQ(cellField(3, 4)->text(), QString()) << key;
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

TEST_F(CellEntry, DigitRepeatedInItsRowTurnsBothRed)
{
    typeInto(0, 3, "5");
    EXPECT_EQ(colour(0, 3), black);
    typeInto(7, 3, "5");
    EXPECT_EQ(colour(0, 3), red);
    EXPECT_EQ(colour(7, 3), red);
    EXPECT_EQ(cell(0, 3).clash, 1);
    EXPECT_EQ(cell(7, 3).clash, 1);
}

TEST_F(CellEntry, ThreeEqualDigitsInARowAllEndRed)
{
    typeInto(0, 0, "5");
    typeInto(4, 0, "5");
    typeInto(8, 0, "5");
    for (const int column : {0, 4, 8}) {
        EXPECT_EQ(colour(column, 0), red) << column;
        EXPECT_EQ(cell(column, 0).clash, 1) << column;
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
            EXPECT_EQ(cell(column, 2).clash, 0);
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

TEST_F(CellEntry, BoxClashIsFoundInTheBoxsLastRowAndColumn)
{
    // The later digit shares only the box with the earlier one, which sits
    // in the box's third row, its third column, or both.
    const struct {
        int earlierColumn, earlierRow, laterColumn, laterRow;
    } pairs[] = {{3, 5, 4, 3}, {5, 3, 3, 4}, {8, 8, 6, 6}, {2, 2, 0, 1}};
    for (const auto& pair : pairs) {
        typeInto(pair.earlierColumn, pair.earlierRow, "7");
        typeInto(pair.laterColumn, pair.laterRow, "7");
        EXPECT_EQ(cell(pair.laterColumn, pair.laterRow).clash, 1)
            << pair.laterColumn << "," << pair.laterRow;
        EXPECT_EQ(colour(pair.earlierColumn, pair.earlierRow), red);
        EXPECT_EQ(colour(pair.laterColumn, pair.laterRow), red);
        pressKey(pair.laterColumn, pair.laterRow, Qt::Key_Backspace);
        pressKey(pair.earlierColumn, pair.earlierRow, Qt::Key_Backspace);
    }
}

TEST_F(CellEntry, EveryFieldsColourFollowsItsFlagAfterAnEdit)
{
    typeInto(1, 1, "4");
    typeInto(1, 7, "4");
    typeInto(6, 6, "9");
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            EXPECT_EQ(colour(i, j), cell(i, j).clash ? red : black) << i << "," << j;
        }
    }
    EXPECT_EQ(colour(1, 1), red);
    EXPECT_EQ(colour(6, 6), black);
}

}  // namespace
