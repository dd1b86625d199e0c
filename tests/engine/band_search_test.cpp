#include "band_search.h"
#include "engine_test_support.h"

#include <string>
#include <string_view>

// The band search on its own: what it counts and which filling it returns,
// from puzzles whose answers are known.

namespace {

// Givens as written, every other cell allowed all nine digits but its
// peers' givens (as the engine hands it over).
PlainPuzzle puzzleOf(std::string_view text)
{
    PlainPuzzle puzzle;
    Board board;
    for (int n = 0; n < 81; ++n) {
        if (text[n] >= '1' && text[n] <= '9') {
            board.place(cellIndex(n % 9, n / 9), text[n] - '0');
        }
    }
    for (int cell = 0; cell < 81; ++cell) {
        puzzle.given[cell] = board.value[cell] != 0;
        puzzle.allowed[cell] = puzzle.given[cell] ? digitBit(board.value[cell])
                                                  : static_cast<DigitMask>(allDigits & ~board.peerDigits(cell));
    }
    return puzzle;
}

std::string readingOrder(const Filling& filling)
{
    std::string text;
    for (int n = 0; n < 81; ++n) {
        text += static_cast<char>('0' + filling[cellIndex(n % 9, n / 9)]);
    }
    return text;
}

const char* const classic = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const char* const classicSolved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

}  // namespace

TEST(BandSearch, CountsUpToTheLimitAndKeepsAFilling)
{
    Filling filling{};
    EXPECT_EQ(countFillings(puzzleOf(classic), 2, filling), 1);
    EXPECT_EQ(readingOrder(filling), classicSolved);

    const PlainPuzzle empty = puzzleOf(std::string(81, '.'));
    EXPECT_EQ(countFillings(empty, 2, filling), 2);
    EXPECT_EQ(countFillings(empty, 7, filling), 7);

    EXPECT_EQ(countFillings(puzzleOf(hangExample), 2, filling), 0);
}

TEST(BandSearch, RatedAndHardPuzzlesHaveTheirOneSolution)
{
    for (const PuzzleLine& line : readPuzzles("rated_puzzles.txt")) {
        SCOPED_TRACE(line.puzzle);
        Filling filling{};
        EXPECT_EQ(countFillings(puzzleOf(line.puzzle), 3, filling), 1);
        EXPECT_EQ(readingOrder(filling), line.solution);
    }
    for (const PuzzleLine& line : readPuzzles("hard_puzzles.txt")) {
        SCOPED_TRACE(line.puzzle);
        Filling filling{};
        EXPECT_EQ(countFillings(puzzleOf(line.puzzle), 3, filling), 1);
    }
}

TEST(BandSearch, FirstFillingFollowsTheReadingOrder)
{
    Filling filling{};
    ASSERT_TRUE(firstFillingInReadingOrder(puzzleOf(std::string(81, '.')), filling));
    EXPECT_EQ(readingOrder(filling), emptyGridFilling);

    // Taking 1 away from the top-left cell moves every digit of the first row.
    PlainPuzzle narrowed = puzzleOf(std::string(81, '.'));
    narrowed.allowed[cellIndex(0, 0)] = static_cast<DigitMask>(allDigits & ~digitBit(1));
    ASSERT_TRUE(firstFillingInReadingOrder(narrowed, filling));
    EXPECT_EQ(readingOrder(filling).substr(0, 9), "213456789");

    EXPECT_FALSE(firstFillingInReadingOrder(puzzleOf(hangExample), filling));
}

TEST(BandSearch, CellsWithOneAllowedDigitMustNotClash)
{
    // Two open cells of one row that may each take only a 4.
    PlainPuzzle puzzle = puzzleOf(std::string(81, '.'));
    puzzle.allowed[cellIndex(2, 5)] = digitBit(4);
    puzzle.allowed[cellIndex(7, 5)] = digitBit(4);
    Filling filling{};
    EXPECT_EQ(countFillings(puzzle, 2, filling), 0);
    EXPECT_FALSE(firstFillingInReadingOrder(puzzle, filling));

    puzzle.allowed[cellIndex(7, 5)] = digitBit(5);
    ASSERT_TRUE(firstFillingInReadingOrder(puzzle, filling));
    EXPECT_EQ(filling[cellIndex(2, 5)], 4);
    EXPECT_EQ(filling[cellIndex(7, 5)], 5);
}
