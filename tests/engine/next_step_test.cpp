#include "candidates.h"
#include "engine_test_support.h"
#include "next_step.h"
#include "techniques.h"

#include <string>

namespace {

class NextStepTest : public EngineTest {
protected:
    // A board with the puzzle's values (reading order) and fresh candidates,
    // as a hint starts from.
    static Board startOf(std::string_view puzzle)
    {
        loadValues(puzzle);
        Board board = Board::fromGrid();
        initCandidates(board);
        return board;
    }
};

std::string rows(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines) {
        text += line;
    }
    return text;
}

// Row 4 holds 1, 2 and 4, column 7 holds 5 and 6, box 6 holds 7, 8 and 9.
const std::string nakedSingleAtRow4Column7 = rows({"......5..", ".........", ".........", "12......4", ".......79",
                                                   "........8", ".........", ".........", "......6.."});
// 8s in row 4 and in no other place of box 5, whose row 5 and the rest of
// whose row 6 are filled: only row 6, column 4 is left for its 8.
const std::string boxSingleInBox5 = rows({".........", ".........", ".........", "8........", "...123...",
                                          "....45...", ".........", ".........", "........."});
// The same in box 2, counted left to right before box 4.
const std::string boxSingleInBox2 = rows({"8........", "...123...", "....45...", ".........", ".........",
                                          ".........", ".........", ".........", "........."});
// Row 2 holds 6, 8 and 9; columns 3 and 8 hold 1, 2, 3 and 5.
const std::string rowPairInRow2 = rows({".........", "6...8...9", ".........", "..1....2.", "..2....3.",
                                        "..3....5.", "..5....1.", ".........", "........."});
// 5s in boxes 1 and 4 and in rows 7 and 8 leave column 1 one place.
const std::string columnSingleInColumn1 = rows({".........", ".5.......", ".........", ".........", "..5......",
                                                ".........", "....5....", ".......5.", "........."});
// 5s in boxes 1 and 2 and in column 7, and a 1 in row 1, column 8, leave
// row 1 one place for its 5; column 9 keeps four.
const std::string rowSingleInRow1 = rows({".......1.", ".5.......", "....5....", ".........", "......5..",
                                          ".........", ".........", ".........", "........."});

TEST_F(NextStepTest, NamesEachTechniqueAsAPlayerCountsRowsColumnsAndBoxes)
{
    const struct {
        const std::string& puzzle;
        StepTechnique technique;
        const char* reason;
    } cases[] = {
        {nakedSingleAtRow4Column7, StepTechnique::nakedSingle,
         "Row 4, column 7 can only be 3: every other digit is already in its row, column or box."},
        {boxSingleInBox5, StepTechnique::boxHiddenSingle, "In box 5, the 8 fits only in row 6, column 4."},
        {boxSingleInBox2, StepTechnique::boxHiddenSingle, "In box 2, the 8 fits only in row 3, column 4."},
        {rowPairInRow2, StepTechnique::rowNakedPair,
         "Row 2, columns 3 and 8 can only hold 4 and 7 between them, so no other cell of row 2 can be 4 or 7."},
        {columnSingleInColumn1, StepTechnique::columnHiddenSingle, "In column 1, the 5 fits only in row 9."},
        {rowSingleInRow1, StepTechnique::rowHiddenSingle, "In row 1, the 5 fits only in column 9."},
    };
    for (const auto& c : cases) {
        const NextStep next = findNextStep(startOf(c.puzzle));
        EXPECT_EQ(next.outcome, StepOutcome::step) << c.reason;
        EXPECT_EQ(next.step.technique, c.technique) << c.reason;
        EXPECT_EQ(next.reason, c.reason);
    }
}

TEST_F(NextStepTest, AStepChangesTheBoardAsTheLoopDoes)
{
    Board single = startOf(nakedSingleAtRow4Column7);
    applyStep(single, findNextStep(single).step);
    EXPECT_EQ(single.value[cellIndex(6, 3)], 3);
    EXPECT_EQ(single.candidates[cellIndex(6, 3)], 0);
    EXPECT_EQ(single.progress, 1);

    Board pair = startOf(rowPairInRow2);
    const NextStep next = findNextStep(pair);
    EXPECT_EQ(next.step.cells, (std::vector<int>{cellIndex(2, 1), cellIndex(7, 1)}));
    applyStep(pair, next.step);
    for (int column = 0; column < 9; ++column) {
        const DigitMask fourAndSeven = digitBit(4) | digitBit(7);
        const DigitMask left = pair.candidates[cellIndex(column, 1)] & fourAndSeven;
        EXPECT_EQ(left, column == 2 || column == 7 ? fourAndSeven : 0) << "column " << column + 1;
    }
    // With 4 and 7 struck from row 2, the next step works with what is left.
    EXPECT_NE(findNextStep(pair).reason, next.reason);
}

// A cell left one digit by a pair's strikes, not by its peers alone, says so.
TEST_F(NextStepTest, ASingleLeftByAPairSaysSo)
{
    Board board = startOf("....5.......2.6....64...39..45...81.....2.......1.7....53...98..9.8.4.6.1...3...4");
    NextStep next = findNextStep(board);
    while (next.outcome == StepOutcome::step && next.step.technique != StepTechnique::columnNakedPair) {
        applyStep(board, next.step);
        next = findNextStep(board);
    }
    ASSERT_EQ(next.reason, "Column 1, rows 4 and 8 can only hold 2 and 7 between them, so no other cell of "
                           "column 1 can be 2 or 7.");
    applyStep(board, next.step);
    EXPECT_EQ(findNextStep(board).reason,
              "Row 3, column 1 can only be 5: every other digit is in its row, column or box or was struck out by "
              "a pair.");
}

TEST_F(NextStepTest, SaysWhyThereIsNoStep)
{
    EXPECT_EQ(findNextStep(startOf("5..5" + std::string(77, '.'))).reason,
              "The grid has a clash: Row 1, column 1 and row 1, column 4 both hold 5.");
    EXPECT_EQ(findNextStep(startOf(hangExample)).outcome, StepOutcome::noSolution);
    EXPECT_EQ(findNextStep(startOf(emptyGridFilling)).outcome, StepOutcome::complete);
    const NextStep empty = findNextStep(startOf(std::string(81, '.')));
    EXPECT_EQ(empty.outcome, StepOutcome::stuck);
    EXPECT_EQ(empty.reason, "No single or pair is left; the rest needs trial and error.");
}

// Followed to their end, the hints leave what Solve's technique loop leaves.
TEST_F(NextStepTest, HintsEndWhereTheTechniqueLoopEnds)
{
    for (const PuzzleLine& line : readPuzzles("rated_puzzles.txt")) {
        Board board = startOf(line.puzzle);
        int steps = 0;
        for (NextStep next = findNextStep(board); next.outcome == StepOutcome::step; next = findNextStep(board)) {
            applyStep(board, next.step);
            ++steps;
        }
        loadValues(line.puzzle);
        runSolveTechniqueLoop();
        Board loop = Board::fromGrid();
        EXPECT_GT(steps, 0);
        for (int cell = 0; cell < 81; ++cell) {
            ASSERT_EQ(board.value[cell], loop.value[cell]) << line.puzzle << " cell " << cell;
        }
    }
}

}  // namespace
