#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The options of the generating subcommands, each given as "--name value".
struct GenerateOptions {
    std::optional<int> difficulty;      // 1 to 4
    std::optional<long> count;          // 1 or more
    std::optional<std::uint64_t> seed;
};

// Reads the options; only those named in `allowed` (without their dashes)
// may appear, each at most once. Returns false on anything else: an unknown
// or repeated option, a missing value, or a value out of range.
bool parseGenerateOptions(const std::vector<std::string>& args, const std::vector<std::string>& allowed,
                          GenerateOptions& options);
