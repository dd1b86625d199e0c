// Puzzles made to a rating: for each band, plain and symmetric, the time each
// puzzle takes (median and slowest), and whether every puzzle is what was
// asked for: its ER, rated again from scratch without a ceiling, inside the
// band; one solution; minimal; and, where asked, symmetric.
//   rated-puzzle-bench [--count N] [--seed S] [BAND...]
// BAND as "LOW-HIGH", e.g. 5.0-6.2; without any, the bands the dialog offers.
#include "generate_options.h"
#include "ladder/words.h"
#include "minimal_puzzle.h"
#include "offered_bands.h"
#include "puzzle_check.h"
#include "rated_puzzle.h"
#include "search.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Row {
    std::vector<double> ms;
    long inBand = 0;
    long unique = 0;
    long minimal = 0;
    long symmetric = 0;
    long clues = 0;
};

bool isSymmetric(const Board& puzzle)
{
    for (int cell = 0; cell < 81; ++cell) {
        if ((puzzle.value[cell] != 0) != (puzzle.value[turnedCell(cell)] != 0)) {
            return false;
        }
    }
    return true;
}

Row benchBand(RatingBand band, bool symmetric, long count, std::uint64_t seed)
{
    Row row;
    RandomInt random(seed);
    for (long n = 0; n < count; ++n) {
        const auto start = std::chrono::steady_clock::now();
        const auto made = makeRatedPuzzle(band, symmetric, std::ref(random), [] { return false; });
        const auto end = std::chrono::steady_clock::now();
        row.ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        const Board& puzzle = made->puzzle;
        row.inBand += band.holds(rateByLadder(puzzle).er) ? 1 : 0;
        row.unique += countSolutions(puzzle, 2) == 1 ? 1 : 0;
        row.minimal += isMinimal(puzzle) ? 1 : 0;
        row.symmetric += isSymmetric(puzzle) ? 1 : 0;
        row.clues += static_cast<long>(std::count_if(puzzle.value.begin(), puzzle.value.end(),
                                                     [](std::uint8_t digit) { return digit != 0; }));
    }
    return row;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double percent(long part, long whole) { return 100.0 * static_cast<double>(part) / static_cast<double>(whole); }

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> options;
    std::vector<RatingBand> bands;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg.rfind("--", 0) == 0 && k + 1 < argc) {
            options.push_back(arg);
            options.push_back(argv[++k]);
        } else if (const auto band = parseRatingBand(arg)) {
            bands.push_back(*band);
        } else {
            options = {"--bad"};
            break;
        }
    }
    GenerateOptions parsed;
    if (!parseGenerateOptions(options, {"count", "seed"}, parsed)) {
        std::fputs("usage: rated-puzzle-bench [--count N] [--seed S] [LOW-HIGH...]\n", stderr);
        return 2;
    }
    if (bands.empty()) {
        for (const OfferedBand& offered : offeredBands()) {
            bands.push_back(offered.band);
        }
    }
    const long count = parsed.count.value_or(100);
    const std::uint64_t seed = parsed.seed.value_or(1);
    std::printf("band\tsymmetric\tpuzzles\tmedian_ms\tmax_ms\tin_band\tunique\tminimal\tturn_symmetric\tmean_clues\n");
    int status = 0;
    for (const RatingBand band : bands) {
        for (const bool symmetric : {false, true}) {
            const Row r = benchBand(band, symmetric, count, seed);
            const long n = static_cast<long>(r.ms.size());
            const std::string turned = symmetric ? std::to_string(r.symmetric * 100 / n) + "%" : "-";
            const std::string high = band.high == noCeiling ? "up" : ratingText(band.high);
            std::printf("%s-%s\t%s\t%ld\t%.1f\t%.1f\t%.0f%%\t%.0f%%\t%.0f%%\t%s\t%.1f\n",
                        ratingText(band.low).c_str(), high.c_str(), symmetric ? "yes" : "no", n,
                        median(r.ms), *std::max_element(r.ms.begin(), r.ms.end()), percent(r.inBand, n),
                        percent(r.unique, n), percent(r.minimal, n), turned.c_str(),
                        static_cast<double>(r.clues) / static_cast<double>(n));
            std::fflush(stdout);
            const bool sound = r.inBand == n && r.unique == n && r.minimal == n && (!symmetric || r.symmetric == n);
            status = sound ? status : 1;
        }
    }
    std::puts("in_band: ER rated again from the givens, without a ceiling, inside the band; unique: one solution;\n"
              "minimal: no given can go and leave one solution; turn_symmetric: givens the same under a 180-degree "
              "turn.\nTimes per puzzle, wall clock, one run.");
    return status;
}
