#pragma once

#include <array>
#include <optional>

// QQWing's solver, run beside Kelvaro's as the benchmark's yardstick. Built
// only where QQWing's library is installed.
struct PeerSolve {
    std::array<int, 81> solution{};  // row by row
    bool unique = false;
};

bool peerAvailable();

// Solves a puzzle given row by row (0 for empty) and returns the seconds the
// solve took; the result, and whether QQWing finds it unique (checked
// outside the timing), go into `result`.
double peerSolve(const std::array<int, 81>& puzzle, std::optional<PeerSolve>& result);
