#include "game_verdict.h"

#include "search.h"
#include "solve_command.h"

GivensSolution solveGivens(const GameState& game)
{
    Board givens;
    for (int cell = 0; cell < 81; ++cell) {
        if (game.cells[cell].given) {
            givens.place(cell, game.cells[cell].value);
        }
    }
    GivensSolution result;
    if (givensClash(givens)) {
        return result;
    }
    result.solutions = countSolutions(givens, 2);
    if (result.solutions == 1 && solvePuzzle(givens)) {
        result.solution = givens.value;
    }
    return result;
}

Completion completionOf(const GameState& game, const GivensSolution& givens)
{
    if (!isFull(game)) {
        return Completion::notFull;
    }
    for (int cell = 0; cell < 81; ++cell) {
        if (game.cells[cell].clash || isMistake(game, givens, cell)) {
            return Completion::wrong;
        }
    }
    return Completion::right;
}

bool isMistake(const GameState& game, const GivensSolution& givens, int cell)
{
    const GameCell& entered = game.cells[cell];
    return givens.solutions == 1 && !entered.given && entered.value != 0
           && entered.value != givens.solution[cell];
}
