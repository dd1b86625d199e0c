#pragma once

#include <cstdint>

// What qqwing-peer writes for each puzzle it solved, and the levels it
// generates at, shared by the benchmarks and the peer.
struct PeerRecord {
    std::uint32_t index;
    double seconds;
    std::uint8_t solved;
    std::uint8_t unique;
    std::int8_t solution[81];
};

// The program's name, beside kelvaro-engine.
inline constexpr const char* peerProgram = "qqwing-peer";
