#include "minimal_puzzle.h"

#include "search.h"

bool hasOneSolution(const Board& puzzle) { return countSolutions(puzzle, 2) == 1; }

std::vector<int> givenCells(const Board& puzzle, bool symmetric)
{
    std::vector<int> cells;
    for (int cell = 0; cell < 81; ++cell) {
        if (puzzle.value[cell] != 0 && (!symmetric || cell <= turnedCell(cell))) {
            cells.push_back(cell);
        }
    }
    return cells;
}

std::vector<int> redundantGivens(const Board& puzzle)
{
    std::vector<int> cells;
    Board trial = puzzle;
    for (int cell = 0; cell < 81; ++cell) {
        if (const int digit = puzzle.value[cell]; digit != 0) {
            trial.clear(cell);
            if (hasOneSolution(trial)) {
                cells.push_back(cell);
            }
            trial.place(cell, digit);
        }
    }
    return cells;
}

bool isMinimal(const Board& puzzle) { return hasOneSolution(puzzle) && redundantGivens(puzzle).empty(); }

void removeRedundantGivens(Board& puzzle, const RandomSource& randomInt, bool symmetric)
{
    std::vector<int> cells = givenCells(puzzle, symmetric);
    while (!cells.empty()) {
        const int cell = takeAtRandom(cells, randomInt);
        const int partner = symmetric ? turnedCell(cell) : cell;
        const int digit = puzzle.value[cell];
        const int partnerDigit = puzzle.value[partner];
        puzzle.clear(cell);
        puzzle.clear(partner);
        if (!hasOneSolution(puzzle)) {
            puzzle.place(cell, digit);
            puzzle.place(partner, partnerDigit);
        }
    }
}
