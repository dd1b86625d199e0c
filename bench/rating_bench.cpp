// The rating against the standard: for each shared puzzle set that has
// Sudoku Explainer's ratings, how many puzzles get exactly the reference ER
// (and EP, ED), and within 0.2, per band of the reference ER, and how many the
// ladder leaves unrated. Then the time `rate` takes per puzzle (what it
// prints, solution count included), each puzzle's fastest of three rounds,
// and the slowest puzzle of each set.
//   rating-bench PUZZLE_DIR RATING_DIR
#include "ladder_text.h"
#include "puzzle_check.h"
#include "puzzle_text.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Set {
    const char* name;
    const char* puzzles;
    const char* ratings;
    int limit;
};

constexpr Set sets[] = {
    {"sx_easy_500", "sx_easy_500.txt", "sx_easy_500.ratings", 500},
    {"sx_medium_500", "sx_medium_500.txt", "sx_medium_500.ratings", 500},
    {"sx_hard_500", "sx_hard_500.txt", "sx_hard_500.ratings", 500},
    {"sx_diabolical_500", "sx_diabolical_500.txt", "sx_diabolical_500.ratings", 500},
    {"top95", "top95.txt", "top95.ratings", 95},
    {"17clue first 5000", "17clue.txt", "17clue_first5000.ratings", 5000},
};

struct Band {
    const char* name;
    int low;
    int high;  // tenths, both included
};

constexpr Band bands[] = {{"1.0-1.4", 10, 14},  {"1.5-2.4", 15, 24},  {"2.5-4.9", 25, 49},
                          {"5.0-6.2", 50, 62},  {"6.3-7.4", 63, 74},  {"7.5-8.4", 75, 84},
                          {"8.5-9.5", 85, 95},  {"above 9.5", 96, 1000}, {"all", 10, 1000}};

struct Reference {
    int er;
    int ep;
    int ed;
};

int tenths(const std::string& text) { return static_cast<int>(std::strtod(text.c_str(), nullptr) * 10 + 0.5); }

struct Counts {
    long puzzles = 0;
    long exact = 0;
    long near = 0;
    long epExact = 0;
    long edExact = 0;
    long unrated = 0;
};

double percent(long part, long whole)
{
    return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

void printRow(const char* set, const Band& band, const Counts& c)
{
    std::printf("%-18s %-10s %7ld %8ld %6.1f%% %8ld %6.1f%% %8ld %6.1f%% %8ld %6.1f%% %9ld\n", set, band.name,
                c.puzzles, c.exact, percent(c.exact, c.puzzles), c.near, percent(c.near, c.puzzles), c.epExact,
                percent(c.epExact, c.puzzles), c.edExact, percent(c.edExact, c.puzzles), c.unrated);
}

struct Timing {
    long puzzles = 0;
    double totalMs = 0;
    double slowestMs = 0;
    long slowestLine = 0;
    std::string slowestPuzzle;
};

bool measure(const Set& set, const std::string& puzzleDir, const std::string& ratingDir, Counts* counts,
             Timing& timing)
{
    std::ifstream ratingFile(ratingDir + "/" + set.ratings);
    std::ifstream puzzleFile(puzzleDir + "/" + set.puzzles);
    if (!ratingFile || !puzzleFile) {
        std::fprintf(stderr, "error: cannot read %s or %s\n", set.ratings, set.puzzles);
        return false;
    }
    std::map<std::string, Reference> references;
    for (std::string line; std::getline(ratingFile, line);) {
        std::istringstream in(line);
        std::string puzzle, er, ep, ed;
        if (in >> puzzle >> er >> ep >> ed) {
            references[puzzle] = {tenths(er), tenths(ep), tenths(ed)};
        }
    }
    std::vector<Board> boards;
    std::vector<Reference> expected;
    std::string line;
    for (int n = 0; n < set.limit && std::getline(puzzleFile, line); ++n) {
        const std::string puzzle = line.substr(0, 81);
        Board board;
        std::string reason;
        const auto reference = references.find(puzzle);
        if (!parsePuzzle(puzzle, board, reason) || reference == references.end()) {
            std::fprintf(stderr, "error: %s: line %d has no reference rating\n", set.puzzles, n + 1);
            return false;
        }
        boards.push_back(board);
        expected.push_back(reference->second);
    }
    std::vector<double> fastest(boards.size(), 1e30);
    std::vector<std::string> lines(boards.size());
    for (int round = 0; round < 3; ++round) {
        for (std::size_t k = 0; k < boards.size(); ++k) {
            const auto start = std::chrono::steady_clock::now();
            lines[k] = rateLine(boards[k]);
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            fastest[k] = std::min(fastest[k], took.count());
        }
    }
    for (std::size_t k = 0; k < boards.size(); ++k) {
        const LadderRating rating = rateByLadder(boards[k]);
        const Reference& ref = expected[k];
        for (std::size_t b = 0; b < std::size(bands); ++b) {
            if (ref.er < bands[b].low || ref.er > bands[b].high) {
                continue;
            }
            Counts& c = counts[b];
            ++c.puzzles;
            c.exact += rating.er == ref.er ? 1 : 0;
            c.near += rating.er >= 0 && std::abs(rating.er - ref.er) <= 2 ? 1 : 0;
            c.epExact += rating.ep == ref.ep ? 1 : 0;
            c.edExact += rating.ed == ref.ed ? 1 : 0;
            c.unrated += rating.er < 0 ? 1 : 0;
        }
        timing.totalMs += fastest[k];
        if (fastest[k] > timing.slowestMs) {
            timing.slowestMs = fastest[k];
            timing.slowestLine = static_cast<long>(k) + 1;
            timing.slowestPuzzle = formatPuzzle(boards[k]);
        }
    }
    timing.puzzles = static_cast<long>(boards.size());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: rating-bench PUZZLE_DIR RATING_DIR\n", stderr);
        return 2;
    }
    std::printf("The rating against Sudoku Explainer's, per set and band of the reference ER\n");
    std::printf("%-18s %-10s %7s %16s %16s %16s %16s %9s\n", "set", "band", "puzzles", "ER exact", "ER within 0.2",
                "EP exact", "ED exact", "unrated");
    std::vector<std::pair<std::string, Timing>> timings;
    Counts total[std::size(bands)];
    for (const Set& set : sets) {
        Counts counts[std::size(bands)];
        Timing timing;
        if (!measure(set, argv[1], argv[2], counts, timing)) {
            return 1;
        }
        for (std::size_t b = 0; b < std::size(bands); ++b) {
            const Counts& c = counts[b];
            total[b].puzzles += c.puzzles;
            total[b].exact += c.exact;
            total[b].near += c.near;
            total[b].epExact += c.epExact;
            total[b].edExact += c.edExact;
            total[b].unrated += c.unrated;
            if (c.puzzles != 0) {
                printRow(set.name, bands[b], c);
            }
        }
        timings.push_back({set.name, timing});
    }
    for (std::size_t b = 0; b < std::size(bands); ++b) {
        if (total[b].puzzles != 0) {
            printRow("all sets", bands[b], total[b]);
        }
    }
    std::puts("ER within 0.2 counts rated puzzles only; unrated: puzzles the ladder leaves without an ER ('-'),\n"
              "as it does only where the rest needs forcing chains nested deeper than it explains.");
    std::printf("\nThe time rate takes per puzzle (Release build, each puzzle's fastest of three rounds)\n");
    std::printf("%-18s %7s %10s %12s %12s %6s  %s\n", "set", "puzzles", "total ms", "ms/puzzle", "slowest ms", "line",
                "slowest puzzle");
    for (const auto& [name, t] : timings) {
        std::printf("%-18s %7ld %10.1f %12.4f %12.3f %6ld  %s\n", name.c_str(), t.puzzles, t.totalMs,
                    t.totalMs / static_cast<double>(t.puzzles), t.slowestMs, t.slowestLine, t.slowestPuzzle.c_str());
    }
    return 0;
}
