#include "puzzle_text.h"

#include <gtest/gtest.h>

namespace {

const std::string puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

TEST(PuzzleText, ReadsRowByRowIntoColumnsAndRows)
{
    Board board;
    std::string reason;
    ASSERT_TRUE(parsePuzzle(puzzle, board, reason)) << reason;
    EXPECT_EQ(board.value[cellIndex(0, 0)], 5);
    EXPECT_EQ(board.value[cellIndex(1, 0)], 3);  // second character: column 1, row 0
    EXPECT_EQ(board.value[cellIndex(0, 1)], 6);  // tenth character: column 0, row 1
    EXPECT_EQ(board.value[cellIndex(8, 8)], 9);
    EXPECT_EQ(formatPuzzle(board), puzzle);
}

TEST(PuzzleText, ZeroAndDotBothMeanEmpty)
{
    std::string zeros = puzzle;
    for (char& c : zeros) {
        if (c == '.') {
            c = '0';
        }
    }
    Board board;
    std::string reason;
    ASSERT_TRUE(parsePuzzle(zeros, board, reason)) << reason;
    EXPECT_EQ(formatPuzzle(board), puzzle);
}

TEST(PuzzleText, RejectsWrongLengthsAndForeignCharactersWithAReason)
{
    Board board;
    std::string reason;
    EXPECT_FALSE(parsePuzzle(puzzle.substr(0, 80), board, reason));
    EXPECT_NE(reason.find("81"), std::string::npos);
    EXPECT_FALSE(parsePuzzle(puzzle + "1", board, reason));
    EXPECT_FALSE(parsePuzzle("", board, reason));
    EXPECT_FALSE(parsePuzzle(std::string(1 << 20, '1'), board, reason));

    std::string letter = puzzle;
    letter[40] = 'x';
    EXPECT_FALSE(parsePuzzle(letter, board, reason));
    EXPECT_NE(reason.find("41"), std::string::npos) << reason;
    std::string blank = puzzle;
    blank[2] = ' ';
    EXPECT_FALSE(parsePuzzle(blank, board, reason));
}

TEST(PuzzleText, ParsingResetsTheBoard)
{
    Board board;
    board.place(cellIndex(4, 4), 7);
    std::string reason;
    ASSERT_TRUE(parsePuzzle(std::string(81, '.'), board, reason));
    EXPECT_EQ(formatPuzzle(board), std::string(81, '.'));
    EXPECT_EQ(board.present[boxUnit(4, 4)], 0);
}

}  // namespace
