#pragma once

#include <array>
#include <vector>

// QQWing, run beside Kelvaro as the benchmarks' yardstick. It works in a
// program of its own, qqwing-peer, built beside kelvaro-engine where QQWing's
// library is installed and never installed itself: kelvaro-engine links
// nothing of QQWing, and an installed one benchmarks without it.
using RowByRow = std::array<int, 81>;  // digits row by row, 0 for empty

struct PeerSolve {
    bool finished = false;  // solved and checked within the time limit
    double seconds = 0;     // the fastest round's solve
    bool solved = false;
    bool unique = false;    // checked outside the timing
    RowByRow solution{};
};

bool peerAvailable();

// Solves every puzzle `rounds` times and keeps each one's fastest time. A
// puzzle whose solve or uniqueness check takes more than `limitSeconds` of
// processor time ends the peer: it is not finished, and the next peer goes
// on with the next puzzle; later rounds leave it out.
std::vector<PeerSolve> peerSolveAll(const std::vector<RowByRow>& puzzles, int rounds, double limitSeconds);

// QQWing's level nearest each of Kelvaro's difficulties 1 to 4.
const char* peerLevelName(int difficulty);

// The seconds QQWing took for each of `count` puzzles at the level nearest
// the difficulty, its random numbers seeded with `seed`; empty where it is
// not available.
std::vector<double> peerGenerateAll(int difficulty, long count, unsigned seed);
