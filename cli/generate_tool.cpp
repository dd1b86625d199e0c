#include "checked_output.h"
#include "commands.h"
#include "generate_options.h"
#include "puzzle_builder.h"
#include "puzzle_text.h"

#include <chrono>
#include <functional>
#include <iostream>

int runGenerate(const std::vector<std::string>& args)
{
    GenerateOptions options;
    if (!parseGenerateOptions(args, {"difficulty", "count", "seed"}, options) || !options.difficulty
        || !options.count) {
        std::cerr << "usage: kelvaro-engine generate --difficulty 1-4 --count N [--seed S]\n";
        return 2;
    }
    const auto seed = options.seed.value_or(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    RandomInt random(seed);
    for (long n = 0; n < *options.count; ++n) {
        const PuzzleBuild build = buildPuzzle(*options.difficulty, std::ref(random), [](int) {});
        if (!writeOut(formatPuzzle(build.puzzle) + '\n')) {
            return 1;
        }
    }
    return 0;
}
