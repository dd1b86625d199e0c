#include "full_grid.h"

#include "candidates.h"
#include "search.h"
#include "techniques.h"

#include <string>

namespace {

// Which pool a cell draws from: 0 top-left, 1 centre, 2 bottom-right box,
// -1 for a cell outside the diagonal.
int diagonalBox(int i, int j)
{
    if (i <= 2 && j <= 2) {
        return 0;
    }
    if (i >= 3 && i <= 5 && j >= 3 && j <= 5) {
        return 1;
    }
    if (i >= 6 && j >= 6) {
        return 2;
    }
    return -1;
}

}  // namespace

Board drawDiagonalBoxes(const RandomSource& randomInt)
{
    std::string pools[3] = {"123456789", "123456789", "123456789"};
    Board board;
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            const int box = diagonalBox(i, j);
            if (box < 0) {
                continue;
            }
            std::string& pool = pools[box];
            const int k = randomInt(static_cast<int>(pool.size()) - 1) + 1;
            board.place(cellIndex(i, j), pool[k - 1] - '0');
            pool.erase(k - 1, 1);
        }
    }
    return board;
}

void completeGrid(Board& board)
{
    static constexpr Technique completionLoop[] = {
        placeNakedSingles, placeBoxSinglesRefreshed, placeLineHiddenSingles, placeBoxHiddenSingles,
        eliminateNakedPairs};

    initCandidates(board);
    runTechniqueLoop(board, completionLoop);
    trySolve(board, 0, 0);
}
