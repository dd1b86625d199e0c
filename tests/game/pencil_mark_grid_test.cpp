#include "pencil_mark_grid.h"
#include "puzzle_givens.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>

namespace {

const std::string puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

TEST(PencilMarkGrid, IsWrittenInAlignedColumnsWithBoxAndBandLines)
{
    GameState game;
    game.cells[cellIndex(0, 0)].value = 5;
    game.cells[cellIndex(1, 0)].notes = digitBit(1) | digitBit(2) | digitBit(9);
    game.cells[cellIndex(4, 3)].notes = digitBit(3) | digitBit(8);
    const std::string empty = ". .   . | . .  . | . . .\n";
    const std::string band = "--------+--------+------\n";
    EXPECT_EQ(pencilMarkGrid(game), "5 129 . | . .  . | . . .\n" + empty + empty + band
                                         + ". .   . | . 38 . | . . .\n" + empty + empty + band + empty + empty + empty);
}

// A cell with a lone note reads back as a given of that digit, as in every
// program that exchanges this form: the text cannot tell them apart.
TEST(PencilMarkGrid, ReadsBackWhatItWritesDigitsAsGivensNotesAsNotes)
{
    GameState played;
    startGame(played, givensOf(puzzle));
    fillInNotes(played);
    enterDigit(played, cellIndex(2, 0), 4, true);
    clearCellNotes(played, cellIndex(8, 7));
    const std::string text = pencilMarkGrid(played);
    GameState read;
    std::string reason;
    ASSERT_TRUE(looksLikePencilMarks(text));
    ASSERT_TRUE(readPencilMarkGrid(text, read, reason)) << reason;
    EXPECT_EQ(pencilMarkGrid(read), text);
    int loneNotes = 0;
    for (int cell = 0; cell < 81; ++cell) {
        const GameCell& was = played.cells[cell];
        const bool lone = was.value == 0 && std::has_single_bit(static_cast<unsigned>(was.notes));
        loneNotes += lone ? 1 : 0;
        const int digit = lone ? std::countr_zero(static_cast<unsigned>(was.notes)) : was.value;
        EXPECT_EQ(read.cells[cell].value, digit) << cell;
        EXPECT_EQ(read.cells[cell].given, digit != 0) << cell;
        EXPECT_EQ(read.cells[cell].notes, lone ? 0 : was.notes) << cell;
    }
    EXPECT_GT(loneNotes, 0);
}

// The layout HoDoKu copies, with its outer border and corner marks.
TEST(PencilMarkGrid, ReadsOtherProgramsBordersAndRefusesAnythingElseSayingWhy)
{
    std::string hodoku =
        ".---------------.------------------.------------------.\r\n"
        "| 5   3    124  | 26   7    2468   | 1489 1249  248   |\r\n"
        "| 6   247  247  | 1    9    5      | 3478 234   2478  |\r\n"
        "| 12  9    8    | 234  34   24     | 1345 6     247   |\r\n"
        ":---------------+------------------+------------------:\r\n"
        "| 8   125  1259 | 579  6    1457   | 4579 2459  3     |\r\n"
        "| 4   25   2569 | 8    5    3      | 579  259   1     |\r\n"
        "| 7   15   1359 | 59   2    149    | 4589 4589  6     |\r\n"
        ":---------------+------------------+------------------:\r\n"
        "| 19  6    1347 | 357  35   7      | 2    8     47    |\r\n"
        "| 23  78   237  | 4    1    9      | 367  3     5     |\r\n"
        "| 123 45   2345 | 2356 8    26     | 1346 7     9     |\r\n"
        "'---------------'------------------'------------------'\r\n";
    GameState read;
    std::string reason;
    ASSERT_TRUE(readPencilMarkGrid(hodoku, read, reason)) << reason;
    EXPECT_TRUE(read.cells[cellIndex(0, 0)].given);
    EXPECT_EQ(read.cells[cellIndex(2, 0)].notes, digitBit(1) | digitBit(2) | digitBit(4));
    EXPECT_EQ(read.cells[cellIndex(0, 8)].notes, digitBit(1) | digitBit(2) | digitBit(3));
    EXPECT_EQ(read.cells[cellIndex(8, 8)].value, 9);

    const std::size_t secondRow = hodoku.find("| 6");
    const std::pair<std::string, std::string> refused[] = {
        {std::string(hodoku).replace(hodoku.find("1249"), 4, "12x9"),
         "The pasted pencil-mark grid holds \"12x9\", which is neither a digit, notes (digits 1 to 9) nor an empty cell "
         "(. or 0)."},
        {hodoku.substr(secondRow), "The pasted pencil-mark grid holds 8 lines of cells; a grid is nine lines of 9."},
        {hodoku + "| 1 2 3 | 4 5 6 | 7 8 9 |\n",
         "The pasted pencil-mark grid holds more than nine lines of cells; a grid is nine lines of 9."},
        {"12 3\n" + hodoku, "Line 1 of the pasted pencil-mark grid holds 2 cells; a grid is nine lines of 9."},
    };
    for (const auto& [text, why] : refused) {
        GameState untouched;
        EXPECT_FALSE(readPencilMarkGrid(text, untouched, reason)) << text;
        EXPECT_EQ(reason, why) << text;
        EXPECT_EQ(untouched, GameState{});
    }
    EXPECT_TRUE(looksLikePencilMarks(hodoku));
    EXPECT_FALSE(looksLikePencilMarks(puzzle));
    EXPECT_FALSE(looksLikePencilMarks("534678912\n672195348\n198342567\n"));
    EXPECT_FALSE(looksLikePencilMarks("| 5 3 . | . 7 . | . . . |\n| 6 . . | 1 9 5 | . . . |\n"));
}

}  // namespace
