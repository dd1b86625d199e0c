#include "checked_output.h"
#include "commands.h"
#include "line_reader.h"
#include "puzzle_text.h"
#include "qqwing_peer.h"
#include "solve_command.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Each puzzle's time is the fastest of this many rounds over the whole file:
// a puzzle that the machine interrupted in one round is timed in another,
// and no round follows a run of the same puzzle.
constexpr int rounds = 3;
// Processor time QQWing may spend on one puzzle; a few puzzles take it
// minutes, and the benchmark is for Kelvaro's figures.
constexpr double peerLimitSeconds = 1.0;

struct FileResult {
    long puzzles = 0;
    long solved = 0;
    std::vector<double> micros;
    double totalSeconds = 0;
    double peerSeconds = 0;
    double secondsOnPeerFinished = 0;  // Kelvaro's time on the puzzles QQWing finished
    long peerUnfinished = 0;
    long mismatches = 0;
};

RowByRow rowByRow(const Board& board)
{
    RowByRow digits{};
    for (int position = 0; position < 81; ++position) {
        digits[position] = board.value[cellIndex(position % 9, position / 9)];
    }
    return digits;
}

// Runs what the Solve command times (candidates, techniques and search) on
// every puzzle of the file, then QQWing's solver on the same puzzles.
bool benchFile(const std::string& path, FileResult& result)
{
    std::ifstream in(path);
    if (!in) {
        std::cerr << "error: cannot read " << path << '\n';
        return false;
    }
    bool clean = true;
    std::vector<Board> puzzles;
    std::vector<long> lineNumbers;
    std::string readError;
    const bool read = readLines(in, [&](const InputLine& line) {
        Board board;
        std::string reason;
        if (!parsePuzzleLine(line, board, reason)) {
            std::cerr << "error: " << path << ": line " << line.number << ": " << reason << '\n';
            clean = false;
            return true;
        }
        puzzles.push_back(board);
        lineNumbers.push_back(line.number);
        return true;
    }, readError);
    if (!read) {
        std::cerr << "error: cannot read " << path << ": " << readError << '\n';
        return false;
    }

    std::vector<Board> results(puzzles.size());
    std::vector<bool> solved(puzzles.size());
    result.micros.assign(puzzles.size(), 0);
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t n = 0; n < puzzles.size(); ++n) {
            Board board = puzzles[n];
            const auto start = std::chrono::steady_clock::now();
            const bool done = solvePuzzle(board);
            const auto end = std::chrono::steady_clock::now();
            const double micros = std::chrono::duration<double, std::micro>(end - start).count();
            if (round == 0 || micros < result.micros[n]) {
                result.micros[n] = micros;
            }
            results[n] = board;
            solved[n] = done;
        }
    }
    result.puzzles = static_cast<long>(puzzles.size());
    for (std::size_t n = 0; n < puzzles.size(); ++n) {
        result.solved += solved[n] ? 1 : 0;
        result.totalSeconds += result.micros[n] / 1e6;
    }

    if (!peerAvailable()) {
        return clean;
    }
    std::vector<RowByRow> givens;
    for (const Board& board : puzzles) {
        givens.push_back(rowByRow(board));
    }
    const std::vector<PeerSolve> peer = peerSolveAll(givens, rounds, peerLimitSeconds);
    for (std::size_t n = 0; n < puzzles.size(); ++n) {
        if (!peer[n].finished) {
            ++result.peerUnfinished;
            continue;
        }
        result.peerSeconds += peer[n].seconds;
        result.secondsOnPeerFinished += result.micros[n] / 1e6;
        if (peer[n].solved && peer[n].unique && (!solved[n] || rowByRow(results[n]) != peer[n].solution)) {
            std::cerr << "error: " << path << ": line " << lineNumbers[n]
                      << ": Kelvaro's result differs from QQWing's unique solution\n";
            ++result.mismatches;
            clean = false;
        }
    }
    return clean;
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

}  // namespace

int runBench(const std::vector<std::string>& args)
{
    if (args.empty()) {
        std::cerr << "usage: kelvaro-engine bench FILE...\n";
        return 2;
    }
    const bool withPeer = peerAvailable();
    std::printf("file\tpuzzles\tsolved\tmedian_us\tp99_us\tmax_us\ttotal_s\tqqwing_total_s\tqqwing_unfinished\tratio\n");
    int status = 0;
    bool anyRow = false;
    for (const std::string& path : args) {
        FileResult result;
        if (!benchFile(path, result)) {
            status = 1;
        }
        if (result.puzzles == 0) {
            continue;
        }
        anyRow = true;
        const std::string name = path.substr(path.find_last_of('/') + 1);
        std::printf("%s\t%ld\t%ld\t%.1f\t%.1f\t%.1f\t%.4f\t", name.c_str(), result.puzzles, result.solved,
                    percentile(result.micros, 0.5), percentile(result.micros, 0.99),
                    percentile(result.micros, 1.0), result.totalSeconds);
        if (withPeer) {
            // Both totals over the puzzles that QQWing finished.
            std::printf("%.4f\t%ld\t%.2f\n", result.peerSeconds, result.peerUnfinished,
                        result.secondsOnPeerFinished > 0 ? result.peerSeconds / result.secondsOnPeerFinished : 0.0);
        } else {
            std::printf("-\t-\t-\n");
        }
        if (!flushOut()) {
            return 1;
        }
    }
    if (!anyRow) {
        return status;
    }
    std::puts(
        "\nmedian_us, p99_us, max_us: Kelvaro's Solve pipeline on one puzzle, the fastest of its 3\n"
        "  rounds; total_s: their sum. qqwing_total_s: QQWing's solver on the puzzles it finished\n"
        "  within 1 s of processor time; qqwing_unfinished: those it did not; ratio: qqwing_total_s\n"
        "  over Kelvaro's time on the puzzles QQWing finished.\n"
        "Only these timings can see the search doing needless work: a band-search rule that lets\n"
        "  every band through leaves every result, and so every test, as it was, and makes the\n"
        "  search several times slower (rate 2.6 to 3.4 times). Slower rows with the same results\n"
        "  point there.");
    return status;
}
