#include "checked_output.h"
#include "commands.h"
#include "generate_options.h"
#include "puzzle_builder.h"
#include "qqwing_peer.h"
#include "search.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <iostream>

namespace {

// QQWing takes tens to hundreds of milliseconds a puzzle, so its mean is
// taken over fewer puzzles.
constexpr long maxPeerPuzzles = 50;

struct LevelResult {
    long puzzles = 0;
    double totalMs = 0;
    double maxMs = 0;
    long clues = 0;
    long unique = 0;
    double peerTotalMs = 0;
    long peerPuzzles = 0;
};

// Times the puzzle builder alone: no windows, no pause, no bar animation.
// Uniqueness and clue counts are taken outside the timing.
LevelResult benchLevel(int difficulty, long count, std::uint64_t seed)
{
    LevelResult result;
    RandomInt random(seed);
    for (long n = 0; n < count; ++n) {
        const auto start = std::chrono::steady_clock::now();
        const PuzzleBuild build = buildPuzzle(difficulty, std::ref(random), [](int) {});
        const auto end = std::chrono::steady_clock::now();
        const double ms = std::chrono::duration<double, std::milli>(end - start).count();
        ++result.puzzles;
        result.totalMs += ms;
        result.maxMs = std::max(result.maxMs, ms);
        result.clues += static_cast<long>(std::count_if(build.puzzle.value.begin(), build.puzzle.value.end(),
                                                        [](std::uint8_t digit) { return digit != 0; }));
        result.unique += countSolutions(build.puzzle, 2) == 1 ? 1 : 0;
    }
    for (const double seconds :
         peerGenerateAll(difficulty, std::min(count, maxPeerPuzzles), static_cast<unsigned>(seed))) {
        result.peerTotalMs += seconds * 1000.0;
        ++result.peerPuzzles;
    }
    return result;
}

}  // namespace

int runBenchGenerate(const std::vector<std::string>& args)
{
    GenerateOptions options;
    if (!parseGenerateOptions(args, {"count", "seed"}, options)) {
        std::cerr << "usage: kelvaro-engine bench-generate [--count N] [--seed S]\n";
        return 2;
    }
    const long count = options.count.value_or(1000);
    const std::uint64_t seed = options.seed.value_or(1);
    std::printf("difficulty\tpuzzles\tmean_ms\tmax_ms\tmean_clues\tunique\tqqwing_level\tqqwing_mean_ms\tratio\n");
    int status = 0;
    for (int difficulty = 1; difficulty <= 4; ++difficulty) {
        const LevelResult r = benchLevel(difficulty, count, seed + static_cast<std::uint64_t>(difficulty));
        const double mean = r.totalMs / static_cast<double>(r.puzzles);
        std::printf("%d\t%ld\t%.3f\t%.3f\t%.1f\t%ld\t%s\t", difficulty, r.puzzles, mean, r.maxMs,
                    static_cast<double>(r.clues) / static_cast<double>(r.puzzles), r.unique,
                    peerLevelName(difficulty));
        if (r.peerPuzzles > 0) {
            const double peerMean = r.peerTotalMs / static_cast<double>(r.peerPuzzles);
            std::printf("%.3f\t%.1f\n", peerMean, peerMean / mean);
        } else {
            std::printf("-\t-\n");
        }
        if (!flushOut()) {
            return 1;
        }
        if (r.unique != r.puzzles) {
            status = 1;
        }
    }
    return status;
}
