#include "clashes.h"
#include "engine_test_support.h"
#include "puzzle_check.h"

#include <string>

namespace {

class PuzzleCheckTest : public EngineTest {
protected:
    static PuzzleCheck checkOf(std::string_view puzzle)
    {
        loadValues(puzzle);
        return checkPuzzle(Board::fromGrid());
    }
};

TEST_F(PuzzleCheckTest, CountsSolutionsAndRefusesWhatIsNoProperPuzzle)
{
    // The 1 and 2 of rows 1 and 4 can change places: exactly two solutions.
    std::string twoSolutions = emptyGridFilling;
    for (int position : {0, 1, 27, 28}) {
        twoSolutions[position] = '.';
    }
    const PuzzleCheck two = checkOf(twoSolutions);
    EXPECT_EQ(two.solutions, 2);
    EXPECT_EQ(two.rating, "Not a proper puzzle: it has more than one solution.");
    EXPECT_EQ(techniqueList(two), "-");

    const PuzzleCheck none = checkOf(hangExample);
    EXPECT_FALSE(none.clash);
    EXPECT_EQ(none.solutions, 0);
    EXPECT_EQ(none.rating, "Not a puzzle: no filling fits these givens.");

    const PuzzleCheck clash = checkOf("..7" + std::string(6, '.') + "7" + std::string(71, '.'));
    EXPECT_TRUE(clash.clash);
    EXPECT_EQ(clash.solutions, 0);
    EXPECT_EQ(clash.rating, "Not a puzzle: two givens share a row, column or box.");
}

TEST_F(PuzzleCheckTest, NamesTheClashingCells)
{
    // A 7 in row 1, column 3, again in row 4, column 1 (not a peer) and row 3,
    // column 2 (same box).
    loadValues("..7" + std::string(15, '.') + ".7......." + "7" + std::string(53, '.'));
    const Board board = Board::fromGrid();
    EXPECT_EQ(clashingCells(board), (std::vector<int>{cellIndex(1, 2), cellIndex(2, 0)}));
    EXPECT_EQ(clashText(board), "Row 3, column 2 and row 1, column 3 both hold 7.");
}

TEST_F(PuzzleCheckTest, RatesByTheTechniquesTheLoopNeeds)
{
    const struct {
        const char* puzzle;
        const char* techniques;
        const char* rating;
    } cases[] = {
        {".5.7.3.6...7...8.....816.......3......5...1..73..4..869.6...2.484.572.93...4.9...", "naked-singles",
         "Simple: needs naked singles only; no guessing."},
        {"1..8..57......921..9..4....3..9...5...7...3...2...6..8....2..4..714......64..7..3",
         "naked-singles,line-hidden-singles", "Moderate: needs naked and hidden singles; no guessing."},
        {"....5.......2.6....64...39..45...81.....2.......1.7....53...98..9.8.4.6.1...3...4",
         "naked-singles,line-hidden-singles,naked-pairs",
         "Demanding: needs naked and hidden singles and naked pairs; no guessing."},
        {"4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......",
         "line-hidden-singles,box-hidden-singles,trial-search",
         "Trial and error: hidden singles run out; the rest needs guessing."},
        {emptyGridFilling, "-", "Complete: every cell is filled."},
    };
    for (const auto& c : cases) {
        const PuzzleCheck check = checkOf(c.puzzle);
        EXPECT_EQ(check.solutions, 1) << c.puzzle;
        EXPECT_EQ(techniqueList(check), c.techniques) << c.puzzle;
        EXPECT_EQ(check.rating, c.rating);
    }
}

}  // namespace
