#include "literal_search.h"

#include "grid.h"

std::string literalPeerValues(int column, int row)
{
    std::string text;
    for (int k = 0; k < 9; ++k) {
        if (k != column) {
            text += grid[k][row].value.read();
        }
    }
    for (int k = 0; k < 9; ++k) {
        if (k != row) {
            text += grid[column][k].value.read();
        }
    }
    for (int x = 3 * (column / 3); x < 3 * (column / 3) + 3; ++x) {
        for (int y = 3 * (row / 3); y < 3 * (row / 3) + 3; ++y) {
            if (x != column || y != row) {
                text += grid[x][y].value.read();
            }
        }
    }
    return text;
}

int literalTrySolve(int column, int row, SearchBudget& budget)
{
    if (++budget.calls > budget.limit) {
        return budgetSpent;
    }
    if (row == 9) {
        return 1;
    }
    const int nextColumn = column + 1 < 9 ? column + 1 : 0;
    const int nextRow = column + 1 < 9 ? row : row + 1;
    Cell& cell = grid[column][row];
    if (!cell.value.read().empty()) {
        return literalTrySolve(nextColumn, nextRow, budget);
    }
    int result = 0;
    const std::string candidates = cell.candidates.read();
    // The peers' values cannot change while this cell tries its digits.
    const std::string peers = literalPeerValues(column, row);
    for (std::size_t p = 0; p < candidates.size() && result == 0; ++p) {
        const std::string digit(1, candidates[p]);
        if (peers.find(digit) != std::string::npos) {
            continue;
        }
        cell.value.store(digit);
        result = literalTrySolve(nextColumn, nextRow, budget);
        if (result == 0) {
            cell.value.store("");
        }
    }
    return result;
}
