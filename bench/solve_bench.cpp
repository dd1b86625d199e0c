#include "checked_output.h"
#include "commands.h"
#include "line_reader.h"
#include "puzzle_text.h"
#include "qqwing_peer.h"
#include "solve_command.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct FileResult {
    long puzzles = 0;
    long solved = 0;
    std::vector<double> micros;
    double totalSeconds = 0;
    double peerSeconds = 0;
    long mismatches = 0;
};

std::array<int, 81> rowByRow(const Board& board)
{
    std::array<int, 81> digits{};
    for (int position = 0; position < 81; ++position) {
        digits[position] = board.value[cellIndex(position % 9, position / 9)];
    }
    return digits;
}

// Runs what the Solve command times (candidates, techniques, search) on
// every puzzle of the file, and QQWing's solver on the same puzzles.
bool benchFile(const std::string& path, FileResult& result)
{
    std::ifstream in(path);
    if (!in) {
        std::cerr << "error: cannot read " << path << '\n';
        return false;
    }
    bool clean = true;
    std::string readError;
    const bool read = readLines(in, [&](const InputLine& line) {
        Board board;
        std::string reason;
        if (!parsePuzzleLine(line, board, reason)) {
            std::cerr << "error: " << path << ": line " << line.number << ": " << reason << '\n';
            clean = false;
            return true;
        }
        const auto givens = rowByRow(board);
        const auto start = std::chrono::steady_clock::now();
        const bool solved = solvePuzzle(board);
        const auto end = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(end - start).count();
        ++result.puzzles;
        result.solved += solved ? 1 : 0;
        result.micros.push_back(seconds * 1e6);
        result.totalSeconds += seconds;

        std::optional<PeerSolve> peer;
        result.peerSeconds += peerSolve(givens, peer);
        if (peer && peer->unique && (!solved || rowByRow(board) != peer->solution)) {
            std::cerr << "error: " << path << ": line " << line.number
                      << ": Kelvaro's result differs from QQWing's unique solution\n";
            ++result.mismatches;
            clean = false;
        }
        return true;
    }, readError);
    if (!read) {
        std::cerr << "error: cannot read " << path << ": " << readError << '\n';
        return false;
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
    std::printf("file\tpuzzles\tsolved\tmedian_us\tp99_us\tmax_us\ttotal_s\tqqwing_total_s\tratio\n");
    int status = 0;
    for (const std::string& path : args) {
        FileResult result;
        if (!benchFile(path, result)) {
            status = 1;
        }
        if (result.puzzles == 0) {
            continue;
        }
        const std::string name = path.substr(path.find_last_of('/') + 1);
        std::printf("%s\t%ld\t%ld\t%.1f\t%.1f\t%.1f\t%.4f\t", name.c_str(), result.puzzles, result.solved,
                    percentile(result.micros, 0.5), percentile(result.micros, 0.99),
                    percentile(result.micros, 1.0), result.totalSeconds);
        if (withPeer) {
            std::printf("%.4f\t%.2f\n", result.peerSeconds,
                        result.totalSeconds > 0 ? result.peerSeconds / result.totalSeconds : 0.0);
        } else {
            std::printf("-\t-\n");
        }
        if (!flushOut()) {
            return 1;
        }
    }
    return status;
}
