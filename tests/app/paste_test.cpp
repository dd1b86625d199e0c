#include "clipboard.h"
#include "main_window_fixture.h"
#include "message_answer.h"
#include "pasted_puzzle.h"

namespace {

const std::string puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

TEST(PastedPuzzle, ReadsOneLineOrNineLinesWithTheirMarksAndSeparators)
{
    const char* const forms[] = {
        "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79",
        "530070000600195000098000060800060003400803001700020006060000280000419005000080079\r\n",
        // A byte-order mark, as some editors write first.
        "\xef\xbb\xbf" "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79",
        "53__7_***6**195***_98****6*8___6___34**8*3**17___2___6_6****28____419**5****8__79",
        "53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n"
        "7...2...6\n.6....28.\n...419..5\n....8..79\n",
        "+-------+-------+-------+\r\n"
        "| 5 3 . | . 7 . | . . . |\r\n| 6 . . | 1 9 5 | . . . |\r\n| . 9 8 | . . . | . 6 . |\r\n"
        "+-------+-------+-------+\r\n"
        "| 8 . . | . 6 . | . . 3 |\r\n| 4 . . | 8 . 3 | . . 1 |\r\n| 7 . . | . 2 . | . . 6 |\r\n"
        "|-------+-------+-------|\r\n"
        "| . 6 . | . . . | 2 8 . |\r\n| . . . | 4 1 9 | . . 5 |\r\n| . . . | . 8 . | . 7 9 |\r\n"
        "+-------+-------+-------+\r\n",
        // Copied from a spreadsheet: a tab between cells, a no-break space
        // (U+00A0) or a narrow one (U+202F) for an empty cell's mark.
        "5\t3\t.\t.\t7\t.\t.\t.\t.\n6\t.\t.\t1\t9\t5\t.\t.\t.\n.\t9\t8\t.\t.\t.\t.\t6\t.\n"
        "8\xc2\xa0.\xc2\xa0.\xc2\xa0.\xc2\xa0" "6\xc2\xa0.\xc2\xa0.\xc2\xa0.\xc2\xa0" "3\n"
        "4\xe2\x80\xaf.\xe2\x80\xaf.\xe2\x80\xaf" "8 . 3 . . 1\n7 . . . 2 . . . 6\n"
        ". 6 . . . . 2 8 .\n. . . 4 1 9 . . 5\n. . . . 8 . . 7 9\n",
    };
    for (const char* form : forms) {
        std::string read;
        std::string reason;
        EXPECT_TRUE(readPastedPuzzle(form, read, reason)) << form << "\n" << reason;
        EXPECT_EQ(read, puzzle) << form;
    }
}

TEST(PastedPuzzle, RefusesAnythingElseAndSaysWhy)
{
    const std::pair<std::string, std::string> refused[] = {
        {puzzle.substr(0, 79), "The pasted text holds 79 cells; a puzzle has 81."},
        {"7", "The pasted text holds 1 cell; a puzzle has 81."},
        {"", "The pasted text holds 0 cells; a puzzle has 81."},
        {puzzle + ".", "The pasted text holds 82 cells; a puzzle has 81."},
        {puzzle.substr(0, 40) + "x" + puzzle.substr(41),
         "The pasted text holds \"x\" at line 1, character 41, which is not a digit, an empty-cell "
         "mark (. 0 _ *) or a separator (| - + space)."},
        {"53..7....\n6..1\xc3\xa9" "95...",
         "The pasted text holds \"\xc3\xa9\" (U+00E9) at line 2, character 5, which is not a digit, "
         "an empty-cell mark (. 0 _ *) or a separator (| - + space)."},
        {"53\a", "The pasted text holds U+0007 at line 1, character 3, which is not a digit, an "
                 "empty-cell mark (. 0 _ *) or a separator (| - + space)."},
        {"5\xe9", "The pasted text holds the byte 0xE9 at line 1, character 2, which is not a digit, "
                  "an empty-cell mark (. 0 _ *) or a separator (| - + space)."},
        {"5\xc3" "5", "The pasted text holds the byte 0xC3 at line 1, character 2, which is not a "
                       "digit, an empty-cell mark (. 0 _ *) or a separator (| - + space)."},
        {"53\xef\xbb\xbf", "The pasted text holds \"\xef\xbb\xbf\" (U+FEFF) at line 1, character 3, "
                         "which is not a digit, an empty-cell mark (. 0 _ *) or a separator (| - + "
                         "space)."},
        {puzzle.substr(0, 41) + "\n" + puzzle.substr(41),
         "Line 1 of the pasted text holds 41 cells; a puzzle is one line of 81 cells or nine lines "
         "of 9."},
        {puzzle.substr(0, 9) + "\n\n" + puzzle.substr(9, 8) + "\n" + puzzle.substr(17, 10) + "\n"
             + puzzle.substr(27),
         "Line 3 of the pasted text holds 8 cells; a puzzle is one line of 81 cells or nine lines "
         "of 9."},
    };
    for (const auto& [text, why] : refused) {
        std::string read = "untouched";
        std::string reason;
        EXPECT_FALSE(readPastedPuzzle(text, read, reason)) << text;
        EXPECT_EQ(reason, why) << text;
        EXPECT_EQ(read, "untouched");
    }
}

using PasteAndCopy = MainWindowTest;

TEST_F(PasteAndCopy, ThePastedGridIsCheckedAsIfTypedAndARefusalChangesNothing)
{
    // The pasted puzzle with one digit changed: a 3 in row 0 beside another.
    std::string clashing = puzzle;
    clashing[2] = '3';
    setClipboardText(clashing);
    pressKey(6, 6, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(gridInReadingOrder(), clashing);
    EXPECT_EQ(fieldsInReadingOrder(), clashing);
    for (int column = 0; column < 9; ++column) {
        for (int row = 0; row < 9; ++row) {
            const bool red = row == 0 && (column == 1 || column == 2);
            EXPECT_EQ(cell(column, row).clash, red ? 1 : 0) << column << ", " << row;
            EXPECT_EQ(colour(column, row), red ? QColor(255, 0, 0) : QColor(1, 0, 0))
                << column << ", " << row;
        }
    }

    setClipboardText(puzzle.substr(1));
    MessageAnswer answer;
    pressKey(6, 6, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(answer.seen().text, QString("The pasted text holds 80 cells; a puzzle has 81."));
    EXPECT_EQ(gridInReadingOrder(), clashing);
    EXPECT_EQ(fieldsInReadingOrder(), clashing);
    EXPECT_EQ(colour(2, 0), QColor(255, 0, 0));
}

TEST_F(PasteAndCopy, OneDigitGoesIntoTheFocusedFieldAndCopyTakesTheWholeGrid)
{
    typeInto(2, 2, "4");
    for (const char* digit : {"7\n", "8\r\n"}) {
        setClipboardText(digit);
        window()->setFocus();
        pressKey(2, 2, Qt::Key_V, Qt::ControlModifier);
        dispatchPending();  // the field's edit, which the paste raised
        EXPECT_EQ(value(2, 2), std::string(digit, 1));
    }
    setClipboardText("7");
    window()->setFocus();
    pressKey(2, 2, Qt::Key_V, Qt::ControlModifier);
    dispatchPending();
    EXPECT_EQ(gridInReadingOrder(), std::string(20, '.') + "7" + std::string(60, '.'));

    cellField(2, 2)->selectAll();
    pressKey(2, 2, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboardText(), std::string(20, '.') + "7" + std::string(60, '.'));
}

TEST_F(PasteAndCopy, OneDigitWithNoCellFocusedIsRefusedAsAPuzzle)
{
    setClipboardText("7");
    window()->setFocus();
    MessageAnswer answer;
    QTest::keyClick(window(), Qt::Key_V, Qt::ControlModifier);
    dispatchPending();
    EXPECT_EQ(answer.seen().text, QString("The pasted text holds 1 cell; a puzzle has 81."));
    EXPECT_EQ(gridInReadingOrder(), std::string(81, '.'));
}

TEST_F(PasteAndCopy, AGameCopiedWithNotesComesBackWithThem)
{
    setClipboardText(puzzle);
    pressKey(6, 6, Qt::Key_V, Qt::ControlModifier);
    pressKey(6, 6, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    typeInto(2, 0, "4");
    pressKey(6, 6, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const std::string copied = clipboardText();
    // The 4 typed leaves the notes of row 1: 1489 becomes 189.
    EXPECT_EQ(copied.substr(0, copied.find('\n')), "5   3    4     | 26   7  268 | 189   129  28");

    pressKey(6, 6, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::mouseClick(findControl(clearButtonId), Qt::LeftButton);
    dispatchPending();
    pressKey(6, 6, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cell(3, 0).notes, digitBit(2) | digitBit(6));
    pressKey(6, 6, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboardText(), copied);
}

}  // namespace
