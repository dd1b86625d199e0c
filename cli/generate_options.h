#pragma once

#include "rated_puzzle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The options of the generating subcommands, each given as "--name value",
// but for the flag "--symmetric", which takes none.
struct GenerateOptions {
    std::optional<int> difficulty;      // 1 to 4
    std::optional<long> count;          // 1 or more
    std::optional<std::uint64_t> seed;
    std::optional<RatingBand> rating;  // "LOW-HIGH", each one decimal or none: "5.0-6.2", "1-2.4"
    bool symmetric = false;
};

// Reads the options; only those named in `allowed` (without their dashes)
// may appear, each at most once. Returns false on anything else: an unknown
// or repeated option, a missing value, or a value out of range.
bool parseGenerateOptions(const std::vector<std::string>& args, const std::vector<std::string>& allowed,
                          GenerateOptions& options);

// A band as "LOW-HIGH", each end a rating with one decimal or none ("5.0-6.2",
// "1-2.4"), from 1.0 up to 12.0, LOW not above HIGH.
std::optional<RatingBand> parseRatingBand(const std::string& text);
