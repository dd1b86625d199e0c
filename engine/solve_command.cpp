#include "solve_command.h"

#include "candidates.h"
#include "search.h"
#include "techniques.h"

#include <string>

bool solvePuzzle(Board& board)
{
    static constexpr Technique solveLoop[] = {
        placeNakedSingles, placeLineHiddenSingles, placeBoxHiddenSingles, eliminateNakedPairs};

    const auto given = board.value;
    initCandidates(board);
    runTechniqueLoop(board, solveLoop);
    if (trySolve(board, 0, 0) != 0) {
        return true;
    }
    for (int cell = 0; cell < 81; ++cell) {
        board.clear(cell);
        if (given[cell] != 0) {
            board.place(cell, given[cell]);
        }
    }
    return false;
}

void solveCommand(const SolveHost& host)
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            if (grid[i][j].clash != 0) {
                host.showMessage("Un-Solvable!",
                                 "Puzzle cannot be solved.  There are numbers of the same value "
                                 "on the same row, column or 3x3 grid");
                return;
            }
        }
    }

    const std::int64_t start = host.ticks();
    Board board = Board::fromGrid();
    const bool solved = solvePuzzle(board);
    board.toGrid();
    const std::int64_t elapsed = host.ticks() - start;

    if (!solved) {
        host.showMessage("Un-Solvable!", "Puzzle cannot be solved.  It has no solution.");
        return;
    }
    showGrid(host.writeField);
    host.showMessage("Solved!", "Puzzle solved in " + std::to_string(elapsed) + " milliseconds.");
}
