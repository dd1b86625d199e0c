#include "candidates.h"
#include "engine_test_support.h"
#include "literal_techniques.h"
#include "techniques.h"

#include <span>

// The engine's techniques against their plain versions: from the same grid,
// the same values, the same candidate texts byte for byte, the same flag and
// result. The grids come from the technique loops that Solve and Generate
// run, and from techniques called in random order on grids with and without
// solutions, which leave stale texts behind.

namespace {

struct TechniquePair {
    const char* name;
    int (*engine)();
    int (*literal)();
};

const TechniquePair nakedSingles{"placeNakedSingles", placeNakedSingles, literalPlaceNakedSingles};
const TechniquePair lineHidden{"placeLineHiddenSingles", placeLineHiddenSingles, literalPlaceLineHiddenSingles};
const TechniquePair boxHidden{"placeBoxHiddenSingles", placeBoxHiddenSingles, literalPlaceBoxHiddenSingles};
const TechniquePair nakedPairs{"eliminateNakedPairs", eliminateNakedPairs, literalEliminateNakedPairs};
const TechniquePair boxRefreshed{"placeBoxSinglesRefreshed", placeBoxSinglesRefreshed,
                                 literalPlaceBoxSinglesRefreshed};

const TechniquePair solveLoop[] = {nakedSingles, lineHidden, boxHidden, nakedPairs};
const TechniquePair completionLoop[] = {nakedSingles, boxRefreshed, lineHidden, boxHidden, nakedPairs};
const TechniquePair testLoopA[] = {nakedSingles, boxHidden, lineHidden, boxRefreshed};
const TechniquePair testLoopB[] = {nakedSingles, nakedPairs, boxHidden, lineHidden, boxRefreshed};
const TechniquePair all[] = {nakedSingles, lineHidden, boxHidden, nakedPairs, boxRefreshed};

class TechniqueOracleTest : public EngineTest {
protected:
    RandomGrids random{7};
    int compared = 0;


    // Runs both versions from the current state and keeps the engine's.
    int compare(const char* name, int (*engine)(), int (*literal)())
    {
        const GridCopy start = copyGrid();
        const auto startProgress = progress;
        const int expectedResult = literal();
        const auto expectedProgress = progress;
        const GridCopy expected = copyGrid();
        restoreGrid(start);
        progress = startProgress;

        const int result = engine();
        ++compared;
        EXPECT_EQ(result, expectedResult) << name;
        EXPECT_EQ(progress, expectedProgress) << name;
        EXPECT_TRUE(gridEquals(expected)) << name;
        return result;
    }

    int compare(const TechniquePair& technique)
    {
        return compare(technique.name, technique.engine, technique.literal);
    }

    void compareInit()
    {
        compare("initCandidates", [] { initCandidates(); return 0; }, [] { literalInitCandidates(); return 0; });
    }

    void runLoop(std::span<const TechniquePair> loop)
    {
        do {
            progress = 0;
            for (const TechniquePair& technique : loop) {
                if (compare(technique) != 0) {
                    break;
                }
            }
        } while (progress != 0 && !HasFailure());
    }

};

}  // namespace

TEST_F(TechniqueOracleTest, SolveLoopOnRatedPuzzles)
{
    for (const PuzzleLine& line : readPuzzles("rated_puzzles.txt")) {
        SCOPED_TRACE(line.puzzle);
        loadValues(line.puzzle);
        compareInit();
        runLoop(solveLoop);
        ASSERT_FALSE(HasFailure());
    }
    EXPECT_GE(compared, 1000);
}

TEST_F(TechniqueOracleTest, GeneratorLoops)
{
    for (const PuzzleLine& line : readPuzzles("rated_puzzles.txt")) {
        // A full grid built from its three diagonal boxes.
        std::string boxes(81, '.');
        for (int n = 0; n < 81; ++n) {
            if ((n % 9) / 3 == (n / 9) / 3) {
                boxes[n] = line.solution[n];
            }
        }
        SCOPED_TRACE(boxes);
        loadValues(boxes);
        compareInit();
        runLoop(completionLoop);

        // A logic test of a puzzle with some clues taken away.
        const std::string puzzle = random.withoutCells(line.puzzle, random.below(8));
        SCOPED_TRACE(puzzle);
        loadValues(puzzle);
        compareInit();
        runLoop(testLoopA);
        compareInit();
        runLoop(testLoopB);
        ASSERT_FALSE(HasFailure());
    }
    EXPECT_GE(compared, 1000);
}

TEST_F(TechniqueOracleTest, TechniquesInRandomOrder)
{
    for (const PuzzleLine& line : readPuzzles("rated_puzzles.txt")) {
        std::string puzzle = random.withoutCells(line.puzzle, random.below(10));
        if (random.below(2) == 0) {
            const int n = random.below(81);
            puzzle[n] = static_cast<char>('1' + random.below(9));  // often leaves no solution
        }
        SCOPED_TRACE(puzzle);
        loadValues(puzzle);
        compareInit();
        for (int step = 0; step < 12; ++step) {
            progress = static_cast<std::uint8_t>(random.below(2));
            if (random.below(4) == 0) {
                const int i = random.below(9);
                const int j = random.below(9);
                grid[i][j].value.store(std::string(1, static_cast<char>('1' + random.below(9))));
            }
            compare(all[random.below(5)]);
        }
        ASSERT_FALSE(HasFailure());
    }
    EXPECT_GE(compared, 1500);
}
