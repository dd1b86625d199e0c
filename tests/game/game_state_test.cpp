#include "game_state.h"
#include "literal_entry_check.h"
#include "puzzle_givens.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

constexpr DigitMask allNotes = 0x3FE;

const std::string puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

// Edits at random, mostly into a few rows and boxes so that clashes come
// and go: after every edit the flags are those the first Kelvaro's entry
// checking would have left.
TEST(GameState, ClashFlagsAreThoseOfTheEntryCheckingAfterEveryEdit)
{
    std::mt19937 random(18);
    GameState game;
    LiteralEntryCheck literal;
    for (int edit = 0; edit < 20000; ++edit) {
        const int column = static_cast<int>(random() % 9);
        const int row = static_cast<int>(random() % 4);
        const int digit = static_cast<int>(random() % 10);
        enterDigit(game, cellIndex(column, row), digit, true);
        literal.edit(column, row, digit);
        for (int i = 0; i < 9; ++i) {
            for (int j = 0; j < 9; ++j) {
                ASSERT_EQ(game.cells[cellIndex(i, j)].clash, literal.clash[i][j])
                    << "edit " << edit << " at " << i << ", " << j;
            }
        }
    }
}

TEST(GameState, ADigitReplacesTheCellsAndLeavesTheNotesOfItsTwentyPeersOnly)
{
    GameState game;
    for (GameCell& cell : game.cells) {
        cell.notes = allNotes;
    }
    const int centre = cellIndex(4, 4);
    enterDigit(game, centre, 3, true);
    enterDigit(game, centre, 5, true);  // replaces the 3
    EXPECT_EQ(game.cells[centre].value, 5);
    EXPECT_EQ(game.cells[centre].notes, 0);
    int struck = 0;
    for (int cell = 0; cell < 81; ++cell) {
        if (cell == centre) {
            continue;
        }
        const bool peer = columnOf(cell) == 4 || rowOf(cell) == 4 || (columnOf(cell) / 3 == 1 && rowOf(cell) / 3 == 1);
        EXPECT_EQ((game.cells[cell].notes & digitBit(5)) == 0, peer) << cell;
        struck += peer ? 1 : 0;
        EXPECT_EQ(game.cells[cell].notes & digitBit(9), digitBit(9)) << "a digit never placed was struck at " << cell;
    }
    EXPECT_EQ(struck, 20);

    enterDigit(game, cellIndex(0, 0), 7, false);
    EXPECT_EQ(game.cells[cellIndex(8, 0)].notes & digitBit(7), digitBit(7)) << "struck though turned off";
    enterDigit(game, centre, 0, true);
    EXPECT_EQ(game.cells[centre].value, 0);
}

TEST(GameState, GivensTakeNeitherDigitsNotesNorDeletions)
{
    GameState game;
    startGame(game, givensOf(puzzle));
    const GameState before = game;
    const int given = cellIndex(0, 0);  // the 5
    enterDigit(game, given, 9, true);
    enterDigit(game, given, 0, true);
    toggleNote(game, given, 2);
    EXPECT_EQ(game, before);

    toggleNote(game, cellIndex(2, 0), 4);
    toggleNote(game, cellIndex(2, 0), 1);
    toggleNote(game, cellIndex(2, 0), 4);
    EXPECT_EQ(game.cells[cellIndex(2, 0)].notes, digitBit(1));
    EXPECT_FALSE(game.cells[cellIndex(2, 0)].given);
}

// Worked out here from the digits alone, not by the engine's candidates.
TEST(GameState, FilledInNotesAreTheDigitsMissingFromEachEmptyCellsRowColumnAndBox)
{
    GameState game;
    startGame(game, givensOf(puzzle));
    game.cells[cellIndex(1, 1)].struck = digitBit(2);  // hints' strikes do not count here
    fillInNotes(game);
    for (int cell = 0; cell < 81; ++cell) {
        DigitMask expected = 0;
        if (game.cells[cell].value == 0) {
            for (int digit = 1; digit <= 9; ++digit) {
                bool seen = false;
                for (int other = 0; other < 81; ++other) {
                    const bool sameBox = columnOf(other) / 3 == columnOf(cell) / 3 && rowOf(other) / 3 == rowOf(cell) / 3;
                    const bool shares = columnOf(other) == columnOf(cell) || rowOf(other) == rowOf(cell) || sameBox;
                    seen = seen || (shares && game.cells[other].value == digit);
                }
                expected |= seen ? 0 : digitBit(digit);
            }
        }
        EXPECT_EQ(game.cells[cell].notes, expected) << cell;
    }
    EXPECT_EQ(game.cells[cellIndex(2, 0)].notes, digitBit(1) | digitBit(2) | digitBit(4));  // row 1, column 3
    clearAllNotes(game);
    for (const GameCell& cell : game.cells) {
        EXPECT_EQ(cell.notes, 0);
    }
}

TEST(GameState, StruckCandidatesLeaveTheNotesAndKellvarosCandidatesUntilANewGame)
{
    GameState game;
    startGame(game, givensOf(puzzle));
    const int cell = cellIndex(2, 0);
    game.cells[cell].notes = digitBit(1) | digitBit(2);
    strikeCandidate(game, cell, 2);
    EXPECT_EQ(game.cells[cell].notes, digitBit(1));
    const CandidateGrid candidates = candidatesOf(game);
    EXPECT_FALSE(candidates.has(cell, 2));
    EXPECT_TRUE(candidates.has(cell, 1));
    EXPECT_TRUE(candidates.has(cell, 4));
    EXPECT_FALSE(candidates.has(cell, 3)) << "ruled out by the 3 beside it";

    takeSolvedDigit(game, cell, 4);
    EXPECT_EQ(game.cells[cell].value, 4);
    EXPECT_FALSE(game.cells[cell].given);
    startGame(game, givensOf(puzzle));
    EXPECT_EQ(game.cells[cell].struck, 0);
    EXPECT_EQ(game.cells[cell].value, 0);
}

}  // namespace
