#pragma once

#include <string>

// A plain, unpruned depth-first search written straight on `grid`: cells in
// reading order, digits in the order of the cell's candidate text, the peer
// text read from the grid at every step. It is slow but obviously right, and
// the engine's pruned search must give exactly its results.
struct SearchBudget {
    long limit;      // calls allowed before the search gives up
    long calls = 0;  // calls made, the first one included
};

constexpr int budgetSpent = -1;

// 1 with the grid filled, 0 with every value as it was, or budgetSpent with
// the grid in an unknown state.
int literalTrySolve(int column, int row, SearchBudget& budget);

// The non-empty values of the cell's row, column and box, in that order.
std::string literalPeerValues(int column, int row);
