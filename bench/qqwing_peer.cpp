#include "qqwing_peer.h"

#include <chrono>

#ifdef KELVARO_HAVE_QQWING
#include <qqwing.hpp>

bool peerAvailable() { return true; }

double peerSolve(const std::array<int, 81>& puzzle, std::optional<PeerSolve>& result)
{
    static qqwing::SudokuBoard board;
    std::array<int, 81> givens = puzzle;
    const auto start = std::chrono::steady_clock::now();
    board.setPuzzle(givens.data());
    const bool solved = board.solve();
    const auto end = std::chrono::steady_clock::now();
    result.reset();
    if (solved) {
        PeerSolve peer;
        const int* solution = board.getSolution();
        for (int k = 0; k < 81; ++k) {
            peer.solution[k] = solution[k];
        }
        peer.unique = board.hasUniqueSolution();
        result = peer;
    }
    return std::chrono::duration<double>(end - start).count();
}
#else
bool peerAvailable() { return false; }

double peerSolve(const std::array<int, 81>&, std::optional<PeerSolve>& result)
{
    result.reset();
    return 0.0;
}
#endif
