#include "puzzle_builder.h"

#include "full_grid.h"
#include "grid.h"
#include "line_minimum.h"
#include "search.h"

#include <string>

PuzzleBuild buildPuzzle(int difficulty, const RandomSource& randomInt, const SetBar& setBar, int attemptLimit)
{
    PuzzleBuild build;
    while (build.attempts < attemptLimit) {
        ++build.attempts;
        Board board = drawDiagonalBoxes(randomInt);
        setBar(5);
        completeGrid(board);
        setBar(10);
        setBar(11);
        removeCluesAtRandom(board, difficulty, randomInt, setBar);
        build.afterRemoval = board;
        setBar(91);
        emptyColumnsToMinimum(board, difficulty);
        setBar(92);
        emptyRowsToMinimum(board, difficulty);
        build.puzzle = board;
        if (countSolutions(board, 2) == 1) {
            return build;
        }
    }
    build.puzzle = build.afterRemoval;
    return build;
}

void generatePuzzle(int difficulty, const RandomSource& randomInt, const SetBar& setBar)
{
    const PuzzleBuild build = buildPuzzle(difficulty, randomInt, setBar);
    build.puzzle.toGrid();
    for (int cell = 0; cell < 81; ++cell) {
        const int digit = build.afterRemoval.value[cell];
        solution[columnOf(cell)][rowOf(cell)] = digit ? std::string(1, static_cast<char>('0' + digit)) : std::string();
    }
}
