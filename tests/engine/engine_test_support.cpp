#include "engine_test_support.h"

#include "candidates.h"
#include "techniques.h"

#include <fstream>
#include <sstream>

void EngineTest::SetUp()
{
    resetEngineState();
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            grid[i][j].fieldId = cellFieldId(i, j);
        }
    }
}

Board puzzleBoard(std::string_view puzzle)
{
    Board board;
    for (int n = 0; n < 81; ++n) {
        if (puzzle.at(n) >= '1' && puzzle.at(n) <= '9') {
            board.place(cellIndex(n % 9, n / 9), puzzle[n] - '0');
        }
    }
    return board;
}

void loadValues(std::string_view puzzle)
{
    for (int n = 0; n < 81; ++n) {
        const char c = puzzle.at(n);
        const bool empty = c == '.' || c == '0';
        grid[n % 9][n / 9].value.store(empty ? std::string_view() : std::string_view(&c, 1));
    }
}

std::string valuesInReadingOrder()
{
    std::string text;
    for (int j = 0; j < 9; ++j) {
        for (int i = 0; i < 9; ++i) {
            const std::string value = grid[i][j].value.read();
            text += value.empty() ? "." : value;
        }
    }
    return text;
}

void setValue(int i, int j, std::string_view text) { grid[i][j].value.store(text); }
void setCandidates(int i, int j, std::string_view text) { grid[i][j].candidates.store(text); }
std::string candidatesAt(int i, int j) { return grid[i][j].candidates.read(); }
std::string valueAt(int i, int j) { return grid[i][j].value.read(); }

void runSolveTechniqueLoop()
{
    static constexpr Technique solveLoop[] = {
        placeNakedSingles, placeLineHiddenSingles, placeBoxHiddenSingles, eliminateNakedPairs};
    Board board = Board::fromGrid();
    initCandidates(board);
    runTechniqueLoop(board, solveLoop);
    board.toGrid();
}

GridCopy copyGrid()
{
    GridCopy copy;
    for (int i = 0; i < gridSize; ++i) {
        for (int j = 0; j < gridSize; ++j) {
            copy[i][j] = grid[i][j];
        }
    }
    return copy;
}

void restoreGrid(const GridCopy& copy)
{
    for (int i = 0; i < gridSize; ++i) {
        for (int j = 0; j < gridSize; ++j) {
            grid[i][j] = copy[i][j];
        }
    }
}

::testing::AssertionResult gridEquals(const GridCopy& expected)
{
    for (int i = 0; i < gridSize; ++i) {
        for (int j = 0; j < gridSize; ++j) {
            const Cell& want = expected[i][j];
            const Cell& have = grid[i][j];
            if (want.fieldId != have.fieldId || want.clash != have.clash ||
                want.value.bytes() != have.value.bytes() ||
                want.candidates.bytes() != have.candidates.bytes()) {
                return ::testing::AssertionFailure()
                       << "cell (" << i << ", " << j << ") holds value \"" << have.value.read()
                       << "\" candidates \"" << have.candidates.read() << "\" clash "
                       << int(have.clash) << ", expected \"" << want.value.read() << "\" \""
                       << want.candidates.read() << "\" " << int(want.clash);
            }
        }
    }
    return ::testing::AssertionSuccess();
}

std::vector<PuzzleLine> readPuzzles(const std::string& fileName)
{
    const std::string path = std::string(KELVARO_ENGINE_TEST_DATA) + "/" + fileName;
    std::ifstream file(path);
    std::vector<PuzzleLine> puzzles;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        PuzzleLine entry;
        words >> entry.puzzle >> entry.solution;
        if (entry.puzzle.size() == 81) {
            puzzles.push_back(entry);
        }
    }
    if (puzzles.empty()) {
        ADD_FAILURE() << "no puzzles read from " << path;
    }
    return puzzles;
}

std::string RandomGrids::withoutCells(std::string grid, int count)
{
    for (int removed = 0; removed < count;) {
        const int n = below(81);
        if (grid[n] != '.') {
            grid[n] = '.';
            ++removed;
        }
    }
    return grid;
}
