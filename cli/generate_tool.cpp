#include "checked_output.h"
#include "commands.h"
#include "generate_options.h"
#include "ladder/words.h"
#include "puzzle_builder.h"
#include "puzzle_text.h"
#include "rated_puzzle.h"

#include <chrono>
#include <functional>
#include <iostream>

namespace {

// How many puzzles the search may try for one of a band before it gives
// up: a band no rating reaches (6.3-6.4, say) would keep it going for ever.
constexpr long maxTries = 200'000;

int usage()
{
    std::cerr << "usage: kelvaro-engine generate --difficulty 1-4 --count N [--seed S]\n"
                 "       kelvaro-engine generate --rating LOW-HIGH [--count N] [--seed S] [--symmetric]\n";
    return 2;
}

}  // namespace

int runGenerate(const std::vector<std::string>& args)
{
    GenerateOptions options;
    if (!parseGenerateOptions(args, {"difficulty", "count", "seed", "rating", "symmetric"}, options)
        || options.difficulty.has_value() == options.rating.has_value()
        || (options.difficulty && (!options.count || options.symmetric))) {
        return usage();
    }
    const auto seed = options.seed.value_or(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    RandomInt random(seed);
    for (long n = 0; n < options.count.value_or(1); ++n) {
        std::string line;
        if (options.difficulty) {
            line = formatPuzzle(buildPuzzle(*options.difficulty, std::ref(random), [](int) {}).puzzle);
        } else {
            long tries = 0;
            const auto made = makeRatedPuzzle(*options.rating, options.symmetric, std::ref(random),
                                              [&tries] { return ++tries > maxTries; });
            if (!made) {
                std::cerr << "error: no puzzle rated " << ratingText(options.rating->low) << "-"
                          << ratingText(options.rating->high) << " found in " << maxTries << " tries\n";
                return 1;
            }
            line = formatPuzzle(made->puzzle) + '\t' + ratingText(made->rating.er);
        }
        if (!writeOut(line + '\n')) {
            return 1;
        }
    }
    return 0;
}
