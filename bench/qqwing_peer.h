#pragma once

#include <array>
#include <vector>

// QQWing's solver, run beside Kelvaro's as the benchmark's yardstick. Built
// only where QQWing's library is installed.
using RowByRow = std::array<int, 81>;  // digits row by row, 0 for empty

struct PeerSolve {
    bool finished = false;  // solved and checked within the time limit
    double seconds = 0;     // the fastest round's solve
    bool solved = false;
    bool unique = false;    // checked outside the timing
    RowByRow solution{};
};

bool peerAvailable();

// Solves every puzzle `rounds` times and keeps each one's fastest time. The
// solver runs in a child process, and a puzzle whose solve or uniqueness
// check takes more than `limitSeconds` of processor time ends that process:
// it is not finished, and the next process goes on with the next puzzle;
// later rounds leave it out.
std::vector<PeerSolve> peerSolveAll(const std::vector<RowByRow>& puzzles, int rounds, double limitSeconds);
