#include "qqwing_generator_peer.h"

#include <chrono>
#include <cstdlib>

#ifdef KELVARO_HAVE_QQWING
#include <qqwing.hpp>

namespace {

qqwing::SudokuBoard::Difficulty peerLevel(int difficulty)
{
    switch (difficulty) {
    case 1:
        return qqwing::SudokuBoard::SIMPLE;
    case 2:
        return qqwing::SudokuBoard::EASY;
    case 3:
        return qqwing::SudokuBoard::INTERMEDIATE;
    default:
        return qqwing::SudokuBoard::EXPERT;
    }
}

}  // namespace

void seedPeerGenerator(unsigned seed) { std::srand(seed); }

double peerGenerate(int difficulty)
{
    const auto start = std::chrono::steady_clock::now();
    qqwing::SudokuBoard board;
    // The level is known only once the puzzle is solved with its history,
    // so QQWing's own tool does the same: generate, rate, and retry.
    board.setRecordHistory(true);
    for (;;) {
        if (board.generatePuzzle() && board.solve() && board.getDifficulty() == peerLevel(difficulty)) {
            break;
        }
    }
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(end - start).count();
}
#else
void seedPeerGenerator(unsigned) {}

double peerGenerate(int) { return -1.0; }
#endif

const char* peerLevelName(int difficulty)
{
    static const char* const names[] = {"simple", "easy", "intermediate", "expert"};
    return names[difficulty - 1];
}
