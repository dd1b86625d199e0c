#include "candidates.h"
#include "engine_test_support.h"
#include "literal_search.h"
#include "search.h"
#include "solve_command.h"

namespace {

const char* const emptyGrid =
    ".................................................................................";

}  // namespace

class SearchTest : public EngineTest {};

TEST_F(SearchTest, EmptyGridGetsTheFirstFillingInReadingOrder)
{
    initCandidates();
    EXPECT_EQ(trySolve(0, 0), 1);
    EXPECT_EQ(valuesInReadingOrder(), emptyGridFilling);
}

TEST_F(SearchTest, PlainSearchOnTheEmptyGridTakes392Calls)
{
    initCandidates();
    SearchBudget budget{1000};
    EXPECT_EQ(literalTrySolve(0, 0, budget), 1);
    EXPECT_EQ(budget.calls, 392);
    EXPECT_EQ(valuesInReadingOrder(), emptyGridFilling);
}

TEST_F(SearchTest, FullGridIsLeftAsItIs)
{
    loadValues(emptyGridFilling);
    initCandidates();
    const GridCopy before = copyGrid();
    EXPECT_EQ(trySolve(0, 0), 1);
    EXPECT_TRUE(gridEquals(before));
}

TEST_F(SearchTest, SearchChangesNoCandidatesClashFlagsOrProgress)
{
    loadValues("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    initCandidates();
    setCandidates(2, 0, "124");  // an open cell with a text the search must keep
    grid[0][0].clash = 1;
    progress = 1;
    const GridCopy before = copyGrid();

    ASSERT_EQ(trySolve(0, 0), 1);

    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            EXPECT_EQ(grid[i][j].candidates.bytes(), before[i][j].candidates.bytes());
            EXPECT_EQ(grid[i][j].clash, before[i][j].clash);
        }
    }
    EXPECT_EQ(progress, 1);
    EXPECT_EQ(valuesInReadingOrder(),
              "534678912672195348198342567859761423426853791713924856961537284287419635345286179");
}

TEST_F(SearchTest, HangExampleFailsAtOnceAndRestoresEveryValue)
{
    loadValues(hangExample);
    initCandidates();
    const GridCopy before = copyGrid();
    EXPECT_EQ(trySolve(0, 0), 0);
    EXPECT_TRUE(gridEquals(before));

    Board board = Board::fromGrid();
    EXPECT_FALSE(solvePuzzle(board));
    board.toGrid();
    EXPECT_EQ(valuesInReadingOrder(), hangExample);
}

TEST_F(SearchTest, CellWithoutCandidatesMakesTheSearchFail)
{
    initCandidates();
    setCandidates(4, 7, "");
    EXPECT_EQ(trySolve(0, 0), 0);
    EXPECT_EQ(valuesInReadingOrder(), emptyGrid);
}

TEST_F(SearchTest, CellsBeforeTheStartStayAsTheyAre)
{
    initCandidates();
    EXPECT_EQ(trySolve(4, 2), 1);
    const std::string values = valuesInReadingOrder();
    EXPECT_EQ(values.substr(0, 9 * 2 + 4), std::string(22, '.'));
    EXPECT_EQ(values.find('.', 22), std::string::npos);
}

TEST_F(SearchTest, StartPastTheLastCellSucceedsWithoutChanges)
{
    initCandidates();
    const GridCopy before = copyGrid();
    EXPECT_EQ(trySolve(0, 9), 1);
    EXPECT_TRUE(gridEquals(before));
}

// The search takes the values it finds as given, clashing or not.
TEST_F(SearchTest, EqualGivensAreNotObjectedTo)
{
    std::string puzzle = emptyGridFilling;
    puzzle[0] = '2';  // a second 2 in row 0, column 0 and the first box
    std::string expected = puzzle;
    for (int n : {30, 31, 40, 49, 50, 80}) {
        puzzle[n] = '.';
    }
    loadValues(puzzle);
    initCandidates();
    EXPECT_EQ(trySolve(0, 0), 1);
    EXPECT_EQ(valuesInReadingOrder(), expected);
}

TEST_F(SearchTest, PeerValuesListRowThenColumnThenBoxWithRepeats)
{
    // Around cell (4, 4): a 1 in its row and box, a 2 in its column, a 3 in
    // its box only, a 4 elsewhere in its row, a 9 in no peer.
    setValue(3, 4, "1");
    setValue(4, 0, "2");
    setValue(5, 5, "3");
    setValue(8, 4, "4");
    setValue(0, 0, "9");
    setValue(4, 4, "7");  // the cell itself never counts
    EXPECT_EQ(peerValues(4, 4), "14" "2" "13");
    EXPECT_EQ(peerValues(4, 4), literalPeerValues(4, 4));
    EXPECT_EQ(peerValues(6, 8), "");
}

TEST_F(SearchTest, CountSolutionsStopsAtItsLimit)
{
    EXPECT_EQ(countSolutions(2), 2);
    EXPECT_EQ(countSolutions(5), 5);

    loadValues("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    EXPECT_EQ(countSolutions(2), 1);
}

TEST_F(SearchTest, CountSolutionsIgnoresCandidatesAndChangesNothing)
{
    loadValues("4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......");
    initCandidates();
    setCandidates(1, 0, "");  // would block a search that read candidates
    const GridCopy before = copyGrid();
    EXPECT_EQ(countSolutions(2), 1);
    EXPECT_TRUE(gridEquals(before));
}

TEST_F(SearchTest, CountSolutionsFindsNoneWhereNoneExist)
{
    loadValues(hangExample);
    EXPECT_EQ(countSolutions(2), 0);

    // Two equal givens in one unit, anywhere in the grid, and no other
    // given: the empty cells alone would allow many grids.
    const struct {
        int column1, row1, column2, row2;
        const char* unit;
    } clashes[] = {{0, 0, 0, 5, "column 0"}, {8, 2, 8, 8, "column 8"}, {1, 8, 7, 8, "row 8"},
                   {0, 3, 5, 3, "row 3"},    {6, 6, 8, 8, "box 8"},    {3, 0, 5, 2, "box 1"}};
    for (const auto& clash : clashes) {
        resetEngineState();
        setValue(clash.column1, clash.row1, "1");
        setValue(clash.column2, clash.row2, "1");
        EXPECT_EQ(countSolutions(2), 0) << clash.unit;
    }
}

TEST_F(SearchTest, CountSolutionsSeesTwoWhereTwoExist)
{
    // Swapping the 1s and 2s of two columns of a full grid keeps it valid:
    // with those four cells empty, exactly two fillings remain.
    std::string puzzle = emptyGridFilling;
    for (int n = 0; n < 81; ++n) {
        const int column = n % 9;
        if ((column == 0 || column == 1) && (puzzle[n] == '1' || puzzle[n] == '2')) {
            puzzle[n] = '.';
        }
    }
    loadValues(puzzle);
    EXPECT_EQ(countSolutions(5), 2);

    // Either of the two, known, gives the other; one of them alone gives none.
    const Board first = puzzleBoard(emptyGridFilling);
    Board second = first;
    for (int row : {0, 3}) {  // rows 1 and 4 hold the 1s and 2s of columns 1 and 2
        const int a = first.value[cellIndex(0, row)];
        second.place(cellIndex(0, row), first.value[cellIndex(1, row)]);
        second.place(cellIndex(1, row), a);
    }
    Filling other{};
    EXPECT_EQ(countSolutions(Board::fromGrid(), 2, first.value, other), 2);
    EXPECT_EQ(other, second.value);
    EXPECT_EQ(countSolutions(Board::fromGrid(), 2, second.value, other), 2);
    EXPECT_EQ(other, first.value);
}
