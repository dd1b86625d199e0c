#include "rated_puzzle.h"

#include "minimal_puzzle.h"
#include "search.h"
#include "solution_grid.h"

#include <algorithm>
#include <vector>

namespace {

// A puzzle whose ER is unknown, above the band's top or beyond the ladder,
// counts as this far above the band.
constexpr int unknownDistance = 100;

// How many moves in a row may fail to come nearer the band before the search
// starts again from a new grid.
constexpr int patience = 80;

struct Trial {
    Board puzzle;
    LadderRating rating;
    int distance = 0;  // from the band, in tenths; 0 inside it
    // For a symmetric puzzle, the givens that keep it from being minimal,
    // which the next moves try to mend.
    std::vector<int> redundant;

    // How far from a puzzle that fits: a tenth of the rating and a given that
    // could go count alike. Both come nearer a step at a time.
    int cost() const { return distance + static_cast<int>(redundant.size()); }
    bool fits() const { return cost() == 0; }
};

// The puzzle rated. Its redundant givens are looked for only where they can
// matter: for a symmetric puzzle whose distance from the band is at most
// `costToBeat`, the cost of the trial it is to replace.
Trial rated(const Board& puzzle, RatingBand band, bool symmetric, int costToBeat)
{
    Trial trial{puzzle, rateByLadder(puzzle, playerWait, band.high), 0, {}};
    const int er = trial.rating.er;
    trial.distance = er < 0 ? unknownDistance : er < band.low ? band.low - er : er > band.high ? er - band.high : 0;
    if (symmetric && trial.distance <= costToBeat) {
        trial.redundant = redundantGivens(puzzle);
    }
    return trial;
}

// The cells, each pair of turned partners once, where the other solution
// differs from ours, leaving out `except`: a given in any of them rules the
// other one out. Two solutions differ in four cells at least, so there are
// always some.
std::vector<int> cellsTellingApart(const Filling& ours, const Filling& other, bool symmetric, int except)
{
    std::vector<int> cells;
    for (int cell = 0; cell < 81; ++cell) {
        const int partner = symmetric ? turnedCell(cell) : cell;
        const bool differs = ours[cell] != other[cell] || ours[partner] != other[partner];
        if (cell <= partner && cell != except && differs) {
            cells.push_back(cell);
        }
    }
    return cells;
}

// A puzzle near the trial's: a given (with its partner) taken away, one that
// could go alone where there is such, then givens of the solution put in,
// each where another solution differs from ours, until ours is the only one
// again, then whatever givens have become redundant taken away.
Board neighbour(const Trial& trial, const Board& solution, const RandomSource& randomInt, bool symmetric)
{
    const Board& puzzle = trial.puzzle;
    Board next = puzzle;
    std::vector<int> givens = trial.redundant.empty() ? givenCells(puzzle, symmetric) : trial.redundant;
    const int picked = takeAtRandom(givens, randomInt);
    const int taken = symmetric ? std::min(picked, turnedCell(picked)) : picked;
    next.clear(taken);
    next.clear(symmetric ? turnedCell(taken) : taken);
    Filling other;
    while (countSolutions(next, 2, solution.value, other) > 1) {
        std::vector<int> cells = cellsTellingApart(solution.value, other, symmetric, taken);
        const int cell = takeAtRandom(cells, randomInt);
        const int partner = symmetric ? turnedCell(cell) : cell;
        next.place(cell, solution.value[cell]);
        next.place(partner, solution.value[partner]);
    }
    removeRedundantGivens(next, randomInt, symmetric);
    return next;
}

}  // namespace

std::optional<RatedPuzzle> makeRatedPuzzle(RatingBand band, bool symmetric, const RandomSource& randomInt,
                                           const CancelPoll& cancelled)
{
    for (;;) {
        if (cancelled()) {
            return std::nullopt;
        }
        const Board solution = randomSolutionGrid(randomInt);
        Board start = solution;
        removeRedundantGivens(start, randomInt, symmetric);
        Trial current = rated(start, band, symmetric, unknownDistance);
        for (int stale = 0; stale < patience;) {
            if (current.fits()) {
                return RatedPuzzle{current.puzzle, current.rating};
            }
            if (cancelled()) {
                return std::nullopt;
            }
            Trial next = rated(neighbour(current, solution, randomInt, symmetric), band, symmetric, current.cost());
            stale = next.cost() < current.cost() ? 0 : stale + 1;
            if (next.cost() <= current.cost()) {
                current = std::move(next);
            }
        }
    }
}
