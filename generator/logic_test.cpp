#include "logic_test.h"

#include "candidates.h"
#include "techniques.h"

#include <algorithm>

bool passesLogicTest(Board& board, int difficulty)
{
    static constexpr Technique testLoopA[] = {
        placeNakedSingles, placeBoxHiddenSingles, placeLineHiddenSingles, placeBoxSinglesRefreshed};
    static constexpr Technique testLoopB[] = {
        placeNakedSingles, eliminateNakedPairs, placeBoxHiddenSingles, placeLineHiddenSingles,
        placeBoxSinglesRefreshed};

    initCandidates(board);
    runTechniqueLoop(board, testLoopA);
    if (difficulty >= 2) {
        initCandidates(board);
        runTechniqueLoop(board, testLoopB);
    }
    return std::find(board.value.begin(), board.value.end(), 0) == board.value.end();
}
