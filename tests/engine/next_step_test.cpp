#include "engine_test_support.h"
#include "next_step.h"
#include "technique_table.h"

#include <string>

namespace {

CandidateGrid gridOf(std::string_view puzzle) { return CandidateGrid::fromValues(puzzleBoard(puzzle)); }

// The hint state when the hints from the givens first meet the technique
// (in the form, where it has several).
NextStep firstHintOf(std::string_view puzzle, std::string_view technique, int form, CandidateGrid& grid)
{
    grid = gridOf(puzzle);
    for (NextStep next = findNextStep(grid); next.outcome == StepOutcome::step; next = findNextStep(grid)) {
        if (techniqueTable()[next.step.technique].name == technique && next.step.form == form) {
            return next;
        }
        applyStep(grid, next.step);
    }
    return {};
}

const char* const hiddenPairPuzzle =
    ".8.2..4..57....1....23.....82..9...5...715...7...2..41.....67....3....18..7..9.5.";
const char* const wingsPuzzle = "21.95...4.9..6..37...7...........3.892.....158.5...........2...68..1..4.1...47.96";

// The first step of each technique (and each form of the uniqueness ones)
// that the hints from the givens of these puzzles meet, as explain prints it.
TEST(NextStep, TellsEachTechniqueWithItsRatingInAPlayersWords)
{
    const struct {
        const char* puzzle;
        const char* technique;
        int form;
        const char* line;
    } cases[] = {
        {hiddenPairPuzzle, "hidden-single-box", 0,
         "Hidden single in a box (1.2): In box 1, the 3 fits only in row 1, column 1."},
        {hiddenPairPuzzle, "hidden-single-line", 0,
         "Hidden single in a row or column (1.5): In column 3, the 5 fits only in row 6."},
        {hiddenPairPuzzle, "full-house", 0,
         "Last empty cell (1.0): Column 7 has one empty cell left: row 8, column 7 takes the missing 6."},
        {hiddenPairPuzzle, "direct-hidden-pair", 0,
         "Hidden pair that leaves a single (2.0): In box 3, the 2 and 3 fit only in row 2, columns 8 and 9, so those "
         "two cells hold no other digit; that leaves box 3 only row 3, column 8 for its 8."},
        {hiddenPairPuzzle, "claiming", 0,
         "Claiming (2.8): In column 7, the 3 can only go in box 6, so it cannot be in box 6 outside column 7: row 5, "
         "columns 8 and 9 cannot be 3."},
        {hiddenPairPuzzle, "hidden-pair", 0,
         "Hidden pair (3.4): In row 7, the 1 and 5 fit only in columns 2 and 4, so those two cells hold no other "
         "digit: row 7, column 2 cannot be 4 or 9 and row 7, column 4 cannot be 4."},
        {hiddenPairPuzzle, "pointing", 0,
         "Pointing (2.6): In box 7, the 9 can only go in row 8, so it cannot be in row 8 outside box 7: row 8, "
         "column 7 cannot be 9."},
        {"1.36..4..59...1..8...2.....8.9.2....2.7.8.9.5....7.2.4.....2...6..8...39..5..38.2", "direct-pointing", 0,
         "Pointing that leaves a single (1.7): In box 5, the 4 can only go in column 6, so it cannot be in column 6 "
         "outside box 5; that leaves box 2 only row 2, column 5 for its 4."},
        {".6..5..3....3.6.....7...4...3.....6..14.2.79.7.......1.........9..147..5.516.987.", "direct-hidden-triple",
         0,
         "Hidden triple that leaves a single (2.5): In box 5, the 1, 4 and 7 fit only in row 4, columns 4, 5 and 6, "
         "so those cells hold no other digit; that leaves box 5 only row 6, column 4 for its 9."},
        {".24...65.1.......7..8.1.9...........26..9..83.8.5.1.7.6..9.3..8..28547......7....", "naked-single", 0,
         "Naked single (2.3): Row 6, column 7 can only be 2: every other digit is already in its row, column or "
         "box."},
        {".24..9.3....6..974....8..2...1.4....2.7.5.8.9....6.7...7..9....539..6....8.1..29.", "naked-triple", 0,
         "Naked triple (3.6): In box 1, row 2, column 1; row 2, column 3 and row 3, column 3 can only hold 3, 5 and 8 "
         "between them, so no other cell of box 1 can be 3, 5 or 8: row 3, column 1 cannot be 3 and row 3, column 2 "
         "cannot be 5."},
        {".24..9.3....6..974....8..2...1.4....2.7.5.8.9....6.7...7..9....539..6....8.1..29.", "hidden-triple", 0,
         "Hidden triple (4.0): In row 6, the 1, 4 and 5 fit only in columns 2, 8 and 9, so those cells hold no other "
         "digit: row 6, column 2 cannot be 9 and row 6, column 9 cannot be 2 or 3."},
        {".4.....9.....5....8.6...4.7....8......5.2.7....21659....76.35..6.9.7.3.2.........", "naked-quad", 0,
         "Naked quad (5.0): In box 2, row 1, column 5; row 3, column 4; row 3, column 5 and row 3, column 6 can only "
         "hold 1, 2, 3 and 9 between them, so no other cell of box 2 can be 1, 2, 3 or 9: row 1, columns 4 and 6 "
         "cannot be 2; row 2, column 4 cannot be 2 or 9 and row 2, column 6 cannot be 1, 2 or 9."},
        {".....6....5.87..9...725.8..5.....18..63...94..21.....7..5.217...1..93.5....5.....", "hidden-quad", 0,
         "Hidden quad (5.4): In box 5, the 3, 4, 6 and 9 fit only in row 4, column 4; row 4, column 5; row 6, column "
         "4 and row 6, column 5, so those cells hold no other digit: row 6, column 5 cannot be 8."},
        {"1.85..4.6....7.9..53...4..7..1.6...8.9.4.8.7.8...5.6..7..1...69..6.8....9.4..62.5", "x-wing", 0,
         "X-Wing (3.2): In columns 5 and 7, the 1 fits only in rows 3 and 5, so those two rows have their 1s there: "
         "row 3, column 8 and row 5, column 9 cannot be 1."},
        {".459........71.2.5.2...3..9..83.1.26.1.....5.36.8.51..2..1...3.8.1.57........951.", "swordfish", 0,
         "Swordfish (3.8): In rows 2, 5 and 8, the 6 fits only in columns 4, 6 and 8, so those three columns have "
         "their 6s there: column 6, rows 1 and 7 cannot be 6."},
        {"..45..7...2.8...6..6..714..........6..64172..3..........713..9..8...6.5...3..41..", "jellyfish", 0,
         "Jellyfish (5.2): In columns 3, 5, 6 and 7, the 9 fits only in rows 2, 4, 6 and 8, so those four rows have "
         "their 9s there: row 2, column 9; row 4, column 4 and row 8, column 1 cannot be 9."},
        {wingsPuzzle, "xy-wing", 0,
         "XY-Wing (4.2): Row 3, column 8 holds 2 or 5: if it is 2, row 3, column 5 (2 or 8) is 8; if it is 5, row 7, "
         "column 8 (5 or 8) is 8. Either way one of them is 8, so row 7, column 5 cannot be 8."},
        {wingsPuzzle, "xyz-wing", 0,
         "XYZ-Wing (4.4): Row 7, column 7 holds 1, 5 or 8; row 7, column 8 holds 5 or 8 and row 2, column 7 holds 1 "
         "or 5: whichever digit the first takes, one of the three is 5, so row 9, column 7 cannot be 5."},
        {"9..8.1..5...6.7...87.....6949.....57.8.....2....375....4.....7...8.6.9..1.9...6.3", "unique-rectangle", 1,
         "Unique rectangle or loop (4.5): Row 2, column 7; row 2, column 9; row 6, column 9 and row 6, column 7 make "
         "a rectangle on 4 and 8: if they held nothing else, the two digits could swap places and the puzzle would "
         "have two solutions. So row 2, column 9 keeps another digit: it cannot be 4 or 8."},
        {"6...4...1.3...87....97.......3.96...9.6...1.3...12.5.......24....24...8.4...1...2", "unique-rectangle", 2,
         "Unique rectangle or loop (4.5): Row 7, column 2; row 9, column 2; row 9, column 4 and row 7, column 4 make "
         "a rectangle on 6 and 9: if they held nothing else, the two digits could swap places and the puzzle would "
         "have two solutions. So one of column 4, rows 7 and 9 is 3, and row 1, column 4 and row 8, column 5 cannot "
         "be 3."},
        {".....27.87....49.3.2.8..1......8..96....5....83..4......3..6.1.9.64....75.23.....", "unique-rectangle", 3,
         "Unique rectangle or loop (4.7): Row 6, column 7; row 6, column 9; row 7, column 9 and row 7, column 7 make "
         "a rectangle on 2 and 5: if they held nothing else, the two digits could swap places and the puzzle would "
         "have two solutions. So one of row 7, columns 7 and 9 is 8 or 9, which with row 9, columns 8 and 9 makes 3 "
         "cells of box 9 that hold only 4, 8 and 9, so row 8, columns 7 and 8 cannot be 8."},
        {".3.....8....791.....5...7....4.8.5....12.43..2..3.5..8..25.86...........5.3.1.8.9", "unique-rectangle", 4,
         "Unique rectangle or loop (4.5): Row 2, column 8; row 2, column 9; row 8, column 9 and row 8, column 8 make "
         "a rectangle on 3 and 5: if they held nothing else, the two digits could swap places and the puzzle would "
         "have two solutions. In row 8 the 5 fits only in columns 8 and 9, so one of them is 5, and neither can be "
         "3."},
        {"................12..3..4.........3....4...5.6.7.18.......2..4..12...6...8........", "unique-rectangle", 2,
         "Unique rectangle or loop (4.6): Row 1, column 2; row 3, column 2; row 3, column 4; row 2, column 4; row 2, "
         "column 7 and row 1, column 7 make a loop of 6 cells on 6 and 9: if they held nothing else, the two digits "
         "could swap places and the puzzle would have two solutions. So one of row 3, column 4; row 2, column 4 and "
         "row 2, column 7 is 7, and row 2, column 6 cannot be 7."},
        {"..8...5...2.8.5.9....1.6...7.5...2.3.6..7..8....9.3...51.3.7.28..2.5.3...3.....1.",
         "bivalue-universal-grave", 1,
         "Bivalue universal grave (5.6): But for row 5, column 1, every empty cell would hold two digits and every "
         "digit two places in each row, column and box it is missing from; such a grid has two solutions. So row 5, "
         "column 1 must be 4: row 5, column 1 cannot be 2 or 3."},
        {"......4.77.2....9..597...3....186..2..4.9.6..3..254....3...192..9....7.48.1......",
         "bivalue-universal-grave", 2,
         "Bivalue universal grave (5.7): But for row 3, column 1 and row 2, column 5, every empty cell would hold two "
         "digits and every digit two places in each row, column and box it is missing from; such a grid has two "
         "solutions. So one of row 3, column 1 and row 2, column 5 is 1, and row 2, column 2 and row 3, column 5 "
         "cannot be 1."},
        {"9.82576.4...9.6....63.1.25..3..9..6...9.6.4....53487...7.....8...4...3...........",
         "bivalue-universal-grave", 3,
         "Bivalue universal grave (5.8): But for row 7, column 7 and row 8, column 9, every empty cell would hold two "
         "digits and every digit two places in each row, column and box it is missing from; such a grid has two "
         "solutions. So one of row 7, column 7 and row 8, column 9 is 1 or 7, which with row 8, column 8 makes cells "
         "of box 9 that hold only 1 and 7, so row 9, column 7 cannot be 1 and row 9, column 9 cannot be 7."},
        {"4..7.9..3.7.3.5.6..2..1..7..1.834.5..........6.......85...8...1.381.652.1..5.3..7",
         "aligned-pair-exclusion", 0,
         "Aligned pair exclusion (6.2): Whatever digits row 2, column 3 and row 5, column 1 take together, they must "
         "leave each of row 2, column 1 (8 or 9); row 3, column 1 (3 or 9) and row 4, column 3 (7 or 9) a digit. None "
         "of the pairs that do so puts 9 in row 2, column 3, so row 2, column 3 cannot be 9."},
        {"..91.73..7.4...9.8.3.....6..78...53....3.8...4.......95..4.9..38...7...5..1...4..", "chains-and-cycles", 0,
         "X-cycle (6.5): These links close a loop: if row 1, column 1 is 2, row 2, column 2 is not 2, so row 7, "
         "column 2 is 2, so row 7, column 8 is not 2, so row 9, column 9 is 2, so row 1, column 9 is not 2, and so "
         "row 1, column 1 is 2 again; if row 1, column 1 is not 2, row 1, column 9 is 2, so row 9, column 9 is not "
         "2, so row 7, column 8 is 2, so row 7, column 2 is not 2, so row 2, column 2 is 2, and so row 1, column 1 "
         "is not 2 again. Either way, a candidate that sees both ends of a link is false, so row 4, column 9 cannot "
         "be 2."},
        {"6.8...3.17...5...2.4.....5.2..6.8..41.5.2.7.8....7.............81.....79.7.1.3.8.", "chains-and-cycles", 3,
         "Forcing X-chain (6.6): If row 2, column 2 is not 3, row 3, column 1 is 3, so row 3, column 5 is not 3, so "
         "row 4, column 5 is 3, so row 4, column 2 is not 3, so row 2, column 2 is 3: the assumption undoes itself, "
         "so row 2, column 2 is 3."},
        {"8...3.....3...9..2.61.8..73..2....9....7.6....7....5..35..1.46.4..9...2.....7...1", "chains-and-cycles", 4,
         "Forcing chain (7.1): If row 1, column 8 is not 5, row 1, column 9 is 5, so row 1, column 9 is not 4, so row "
         "2, column 8 is 4, so row 2, column 8 is not 8, so row 9, column 8 is 8, so row 9, column 8 is not 5, so row "
         "1, column 8 is 5: the assumption undoes itself, so row 1, column 8 is 5."},
        {"......94.....9...53....5.7..8.4..1..463...........7.8.8..7.....7......28.5.26....",
         "aligned-triplet-exclusion", 0,
         "Aligned triplet exclusion (7.5): Whatever digits row 1, column 4; row 3, column 7 and row 1, column 6 take, "
         "two of them that see each other cannot share one, and together they cannot take every digit of a cell all "
         "three see: row 3, column 4 (1, 6 or 8) and row 3, column 5 (1 or 2). No way of filling them that keeps to "
         "this leaves room for the rest, so row 1, column 4 cannot be 1."},
        {"5.9.7..68.....93.....4.8.....1....3639.....2162....4.....9.5.....87.....27..8.6.9", "nishio-forcing-chains",
         0,
         "Nishio forcing chains (7.6): If row 9, column 4 is not 1, row 1, column 4 is 1, so row 1, column 7 is not "
         "1; and row 9, column 8 is 1, so row 8, column 7 is not 1, so row 7, column 7 is not 1, so row 1, column 7 "
         "is 1. Both cannot hold, so row 9, column 4 is 1."},
        {"5....7...2..9..8........46..2.71...5...5.6...6...39.4..87........5..1..9...8....6",
         "multiple-forcing-chains", 3,
         "Region forcing chains (8.2): In row 2, 1 can only go in columns 2, 3 and 9. If it goes in row 2, column 2, "
         "row 1, column 2 is not 1. If it goes in row 2, column 3, row 1, column 2 is not 1. If it goes in row 2, "
         "column 9, row 2, column 9 is not 7, so row 2, column 2 is 7, so row 2, column 2 is not 4, so row 1, column "
         "2 is 4, so row 1, column 2 is not 1. Wherever it goes, row 1, column 2 cannot be 1."},
        {".3..5.4..8...9...1..2..65...13.........465.........75...62..8..2...3...9..1.8..4.", "dynamic-forcing-chains",
         0,
         "Dynamic contradiction forcing chains (8.8): If row 5, column 2 is 7, row 3, column 2 is not 7, so row 2, "
         "column 2 is not 7, so row 1, column 3 is 7, so row 1, column 3 is not 9; and row 5, column 1 is not 7, so "
         "row 5, column 1 is 9, so row 6, column 3 is not 9, so row 5, column 3 is not 9, so row 1, column 3 is 9. "
         "Both cannot hold, so row 5, column 2 cannot be 7."},
    };
    for (const auto& c : cases) {
        CandidateGrid grid;
        const NextStep next = firstHintOf(c.puzzle, c.technique, c.form, grid);
        ASSERT_EQ(next.outcome, StepOutcome::step) << c.technique << " " << c.form;
        EXPECT_EQ(stepLine(next.step, grid), c.line);
        EXPECT_EQ(next.reason, stepLine(next.step, grid).substr(stepLine(next.step, grid).find("): ") + 3));
    }
}

TEST(NextStep, ADirectStepOnlyPlacesAndOtherStepsStrikeForTheHintsAfterThem)
{
    CandidateGrid grid;
    const Step pair = firstHintOf(hiddenPairPuzzle, "direct-hidden-pair", 0, grid).step;
    ASSERT_EQ(pair.placements.size(), 1u);
    EXPECT_TRUE(pair.eliminations.empty());
    applyStep(grid, pair);
    EXPECT_EQ(grid.candidates, CandidateGrid::fromValues(boardOf(grid)).candidates)
        << "a direct step struck candidates";

    const Step xyWing = firstHintOf(wingsPuzzle, "xy-wing", 0, grid).step;
    ASSERT_EQ(xyWing.eliminations.size(), 1u);
    applyStep(grid, xyWing);
    const Candidate struck = xyWing.eliminations.front();
    EXPECT_FALSE(grid.has(struck.cell, struck.digit));
    EXPECT_EQ(grid.value, CandidateGrid::fromValues(boardOf(grid)).value) << "an elimination placed a digit";
    EXPECT_NE(findNextStep(grid).reason, findNextStep(CandidateGrid::fromValues(boardOf(grid))).reason)
        << "the next hint did not work on the struck candidate";
}

TEST(NextStep, SaysWhyThereIsNoStep)
{
    EXPECT_EQ(findNextStep(gridOf("5..5" + std::string(77, '.'))).outcome, StepOutcome::clash);
    EXPECT_EQ(findNextStep(gridOf(hangExample)).outcome, StepOutcome::noSolution);
    EXPECT_EQ(findNextStep(gridOf(emptyGridFilling)).outcome, StepOutcome::complete);

    // Beyond the chains Kelvaro explains; and a search cut short by time.
    CandidateGrid grid = gridOf("..53.....8......2..7..1.5..4....53...1..7...6..32...8..6.5....9..4....3......97..");
    int steps = 0;
    NextStep next = findNextStep(grid);
    for (; next.outcome == StepOutcome::step; next = findNextStep(grid)) {
        applyStep(grid, next.step);
        ++steps;
    }
    EXPECT_GT(steps, 0);
    EXPECT_EQ(next.outcome, StepOutcome::stuck);
    EXPECT_EQ(next.reason, "No technique up to dynamic forcing chains (+) applies; the rest needs forcing chains "
                           "nested deeper, which Kelvaro does not explain.");
    const NextStep late = findNextStep(grid, std::chrono::milliseconds(0));
    EXPECT_EQ(late.outcome, StepOutcome::outOfTime);
    EXPECT_EQ(late.reason, "Too hard to explain in time: no step was found within 2 seconds.");
}

// With two solutions a rectangle may well hold both ways round: the hint
// leaves out every technique that rests on one solution.
TEST(NextStep, LeavesOutUniquenessOnAGridWithSeveralSolutions)
{
    const CandidateGrid grid =
        gridOf("2739..586861523974954786132.382..769.97..84211...79358...1.5897715892643.89..7215");
    const std::optional<Step> step = ladderStep(grid);
    ASSERT_TRUE(step);
    EXPECT_STREQ(techniqueTable()[step->technique].name, "unique-rectangle");
    const NextStep next = findNextStep(grid);
    ASSERT_EQ(next.outcome, StepOutcome::step);
    EXPECT_FALSE(techniqueTable()[next.step.technique].needsUniqueSolution);
}

}  // namespace
