#pragma once

#include "board.h"
#include "grid.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// Every engine test starts from the start-up state of the globals, with the
// field ids the main window gives the cells.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { resetEngineState(); }
};

// The first filling of the empty grid in the search's order, row by row.
inline constexpr const char* emptyGridFilling =
    "123456789" "456789123" "789123456"
    "214365897" "365897214" "897214365"
    "531642978" "642978531" "978531642";

// Clash-free without a solution: row 8 holds 1 to 8 and column 8 a 9 at the
// top, so cell (8, 8) can take nothing, which a plain search finds out only
// after trying every filling of the cells before it.
inline constexpr const char* hangExample =
    "........9" "........." "........." "........." "........."
    "........." "........." "........." "12345678.";

// Stores a puzzle given as 81 characters in reading order ('.' or '0' for an
// empty cell) into the grid's values.
void loadValues(std::string_view puzzle);
// The puzzle as a board of its own, the globals untouched.
Board puzzleBoard(std::string_view puzzle);
// The grid's values in reading order, '.' for an empty cell.
std::string valuesInReadingOrder();

void setValue(int i, int j, std::string_view text);
void setCandidates(int i, int j, std::string_view text);
std::string candidatesAt(int i, int j);
std::string valueAt(int i, int j);

// Solve's technique loop on the grid, from fresh candidates: the state that
// the search meets inside Solve, with gaps in the candidate texts wherever
// naked pairs struck digits out.
void runSolveTechniqueLoop();

using GridCopy = std::array<std::array<Cell, gridSize>, gridSize>;
GridCopy copyGrid();
void restoreGrid(const GridCopy& copy);
// Success when every stored byte of every cell equals the copy's; otherwise
// names the first cell that differs.
::testing::AssertionResult gridEquals(const GridCopy& expected);

// The lines of a file in the tests' data folder: an 81-character puzzle and,
// after a space, its one solution where the file gives it.
struct PuzzleLine {
    std::string puzzle;
    std::string solution;  // empty where the file gives none
};
std::vector<PuzzleLine> readPuzzles(const std::string& fileName);

// Seeded, so that every run tests the same grids.
class RandomGrids {
public:
    explicit RandomGrids(unsigned seed) : random_(seed) {}

    // 0 to n - 1.
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // The grid, in reading order, with count of its filled cells emptied.
    std::string withoutCells(std::string grid, int count);

private:
    std::mt19937 random_;
};
