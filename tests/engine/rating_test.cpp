#include "engine_test_support.h"
#include "puzzle_check.h"

#include <fstream>
#include <sstream>
#include <string>

namespace {

// "6.2" as tenths; the ladder knows no rating above 6.2.
int expectedTenths(const std::string& rating)
{
    const int tenths = std::stoi(rating.substr(0, rating.find('.'))) * 10 + (rating.back() - '0');
    return tenths <= 62 ? tenths : -1;
}

// Sudoku Explainer's ER, EP and ED of a sample of the shared sets: the same
// numbers where they are at most 6.2, unknown above.
TEST(Rating, IsSudokuExplainersOnASampleOfTheSharedSets)
{
    std::ifstream file(std::string(KELVARO_ENGINE_TEST_DATA) + "/se_ratings.txt");
    ASSERT_TRUE(file) << "missing test data";
    int rated = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream in(line);
        std::string puzzle, er, ep, ed;
        in >> puzzle >> er >> ep >> ed;
        const LadderRating rating = rateByLadder(puzzleBoard(puzzle));
        EXPECT_EQ(rating.er, expectedTenths(er)) << line;
        EXPECT_EQ(rating.ep, expectedTenths(ep)) << line;
        EXPECT_EQ(rating.ed, expectedTenths(ed)) << line;
        EXPECT_EQ(rating.complete, expectedTenths(er) >= 0) << line;
        ++rated;
    }
    EXPECT_EQ(rated, 150);
}

TEST(PuzzleCheck, TellsTheSolutionsAndTheGrade)
{
    const PuzzleCheck hiddenPair =
        checkPuzzle(puzzleBoard(".8.2..4..57....1....23.....82..9...5...715...7...2..41.....67....3....18..7..9.5."));
    EXPECT_EQ(hiddenPair.solutions, 1);
    EXPECT_EQ(hiddenPair.grade, "hard");
    EXPECT_EQ(hiddenPair.rating.er, 34);

    const PuzzleCheck chains =
        checkPuzzle(puzzleBoard(".83.2..9....8..1...293....8....987...7.....6...674....3....698...2..5....1..3.54."));
    EXPECT_EQ(chains.rating.er, -1);
    EXPECT_EQ(chains.grade, "diabolical");

    std::string twoSolutions = emptyGridFilling;
    for (int position : {0, 1, 27, 28}) {
        twoSolutions[position] = '.';
    }
    // Their sentences are the Check puzzle command's tests'.
    const struct {
        std::string puzzle;
        int solutions;
        const char* grade;
    } improper[] = {
        {twoSolutions, 2, "several solutions"},
        {hangExample, 0, "no solution"},
        {"..7" + std::string(6, '.') + "7" + std::string(71, '.'), 0, "clash"},
        {emptyGridFilling, 1, "complete"},
    };
    for (const auto& c : improper) {
        const PuzzleCheck check = checkPuzzle(puzzleBoard(c.puzzle));
        EXPECT_EQ(check.solutions, c.solutions) << c.grade;
        EXPECT_EQ(check.grade, c.grade);
        EXPECT_EQ(check.rating.er, -1) << c.grade;
    }
}

TEST(PuzzleCheck, GradesByTheBandsOfThePuzzleBank)
{
    const struct {
        int er;
        const char* grade;
    } cases[] = {{10, "easy"}, {14, "easy"}, {15, "medium"}, {24, "medium"}, {25, "hard"},
                 {49, "hard"}, {50, "diabolical"}, {62, "diabolical"}, {-1, "diabolical"}};
    for (const auto& c : cases) {
        EXPECT_STREQ(gradeOf(c.er), c.grade) << c.er;
    }
}

}  // namespace
