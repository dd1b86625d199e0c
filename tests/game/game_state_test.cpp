#include "game_state.h"
#include "literal_entry_check.h"
#include "puzzle_givens.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

const std::string puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

bool arePeers(int a, int b)
{
    const bool sameBox = columnOf(a) / 3 == columnOf(b) / 3 && rowOf(a) / 3 == rowOf(b) / 3;
    return a != b && (columnOf(a) == columnOf(b) || rowOf(a) == rowOf(b) || sameBox);
}

// Edits at random, mostly into a few rows so that clashes come and go:
// after every edit the flags are those the first Kelvaro's entry checking
// would have left.
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
        for (int cell = 0; cell < 81; ++cell) {
            ASSERT_EQ(game.cells[cell].clash, literal.clash[columnOf(cell)][rowOf(cell)]) << edit << ", " << cell;
        }
    }
}

TEST(GameState, ADigitReplacesTheCellsAndLeavesTheNotesOfItsTwentyPeersOnly)
{
    GameState game;
    for (GameCell& cell : game.cells) {
        cell.notes = allDigits;
    }
    const int centre = cellIndex(4, 4);
    enterDigit(game, centre, 3, true);
    enterDigit(game, centre, 5, true);
    EXPECT_EQ(game.cells[centre].value, 5);
    EXPECT_EQ(game.cells[centre].notes, 0);
    for (int cell = 0; cell < 81; ++cell) {
        if (cell != centre) {
            EXPECT_EQ((game.cells[cell].notes & digitBit(5)) == 0, arePeers(cell, centre)) << cell;
            EXPECT_NE(game.cells[cell].notes & digitBit(9), 0) << "a digit never placed was struck at " << cell;
        }
    }
    enterDigit(game, cellIndex(0, 0), 7, false);
    EXPECT_NE(game.cells[cellIndex(8, 0)].notes & digitBit(7), 0) << "struck though turned off";
    toggleNote(game, cellIndex(0, 0), 2);
    EXPECT_EQ(game.cells[cellIndex(0, 0)].notes, 0) << "a filled cell took a note";

    startGame(game, givensOf(puzzle));
    const GameState fresh = game;
    enterDigit(game, cellIndex(0, 0), 9, true);  // the given 5
    enterDigit(game, cellIndex(0, 0), 0, true);
    EXPECT_EQ(game, fresh) << "a given changed";
}

// Worked out here from the digits alone, not by the engine's candidates.
TEST(GameState, FilledInNotesAreTheDigitsMissingFromEachEmptyCellsRowColumnAndBox)
{
    GameState game;
    startGame(game, givensOf(puzzle));
    strikeCandidate(game, cellIndex(1, 1), 2);  // hints' strikes do not count here
    fillInNotes(game);
    for (int cell = 0; cell < 81; ++cell) {
        DigitMask expected = 0;
        for (int digit = 1; digit <= 9 && game.cells[cell].value == 0; ++digit) {
            bool seen = false;
            for (int other = 0; other < 81; ++other) {
                seen = seen || (arePeers(cell, other) && game.cells[other].value == digit);
            }
            expected |= seen ? 0 : digitBit(digit);
        }
        EXPECT_EQ(game.cells[cell].notes, expected) << cell;
    }
    EXPECT_EQ(game.cells[cellIndex(2, 0)].notes, digitBit(1) | digitBit(2) | digitBit(4));
}

TEST(GameState, HintsStrikesLeaveTheNotesAndKelvarosCandidatesUntilANewGame)
{
    GameState game;
    startGame(game, givensOf(puzzle));
    const int cell = cellIndex(2, 0);
    game.cells[cell].notes = digitBit(1) | digitBit(2);
    strikeCandidate(game, cell, 2);
    EXPECT_EQ(game.cells[cell].notes, digitBit(1));
    const CandidateGrid candidates = candidatesOf(game);
    EXPECT_EQ(candidates.candidates[cell], digitBit(1) | digitBit(4)) << "3 is beside it, 2 struck";
    // A digit the Solve button wrote, taken away again, brings back no struck candidate.
    takeSolvedDigit(game, cell, 4);
    enterDigit(game, cell, 0, false);
    EXPECT_EQ(candidatesOf(game).candidates[cell], digitBit(1) | digitBit(4));
    startGame(game, givensOf(puzzle));
    EXPECT_EQ(game.cells[cell].struck, 0);
}

}  // namespace
