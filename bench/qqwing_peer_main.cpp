// qqwing-peer: QQWing's solver and generator, in a program of their own so
// that kelvaro-engine links nothing of QQWing (qqwing_peer.h).
//   qqwing-peer solve unique|time LIMIT   < "INDEX d1 ... d81" lines
//     writes a PeerRecord for each puzzle solved; a puzzle that takes more
//     than LIMIT seconds of processor time ends the program.
//   qqwing-peer generate DIFFICULTY COUNT SEED
//     writes the seconds each puzzle took, one a line.
#include "qqwing_peer_protocol.h"

#include <qqwing.hpp>

#include <sys/time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Puzzle {
    std::uint32_t index;
    int givens[81];
};

// Arms (or, with 0, disarms) the processor-time alarm; its signal ends the
// process.
void limitProcessorTime(double seconds)
{
    itimerval timer{};
    timer.it_value.tv_sec = static_cast<time_t>(seconds);
    timer.it_value.tv_usec = static_cast<suseconds_t>((seconds - static_cast<double>(timer.it_value.tv_sec)) * 1e6);
    setitimer(ITIMER_PROF, &timer, nullptr);
}

bool writeAll(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = write(STDOUT_FILENO, bytes, size);
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

int solve(bool checkUnique, double limitSeconds)
{
    // All of the input first: the benchmark writes it all before it reads.
    std::vector<Puzzle> puzzles;
    for (Puzzle puzzle{}; std::cin >> puzzle.index;) {
        for (int& digit : puzzle.givens) {
            std::cin >> digit;
        }
        puzzles.push_back(puzzle);
    }
    qqwing::SudokuBoard board;
    for (Puzzle& puzzle : puzzles) {
        limitProcessorTime(limitSeconds);
        const auto start = std::chrono::steady_clock::now();
        board.setPuzzle(puzzle.givens);
        const bool solved = board.solve();
        const auto end = std::chrono::steady_clock::now();
        PeerRecord record{};
        record.index = puzzle.index;
        record.seconds = std::chrono::duration<double>(end - start).count();
        record.solved = solved ? 1 : 0;
        if (solved) {
            const int* solution = board.getSolution();
            for (int k = 0; k < 81; ++k) {
                record.solution[k] = static_cast<std::int8_t>(solution[k]);
            }
            if (checkUnique) {
                limitProcessorTime(limitSeconds);
                record.unique = board.hasUniqueSolution() ? 1 : 0;
            }
        }
        limitProcessorTime(0);
        if (!writeAll(&record, sizeof record)) {
            return 1;
        }
    }
    return 0;
}

qqwing::SudokuBoard::Difficulty levelNearest(int difficulty)
{
    switch (difficulty) {
    case 1:
        return qqwing::SudokuBoard::SIMPLE;
    case 2:
        return qqwing::SudokuBoard::EASY;
    case 3:
        return qqwing::SudokuBoard::INTERMEDIATE;
    default:
        return qqwing::SudokuBoard::EXPERT;
    }
}

int generate(int difficulty, long count, unsigned seed)
{
    std::srand(seed);
    for (long n = 0; n < count; ++n) {
        const auto start = std::chrono::steady_clock::now();
        qqwing::SudokuBoard board;
        // The level is known only once the puzzle is solved with its history,
        // so QQWing's own tool does the same: generate, rate, and retry.
        board.setRecordHistory(true);
        while (!(board.generatePuzzle() && board.solve() && board.getDifficulty() == levelNearest(difficulty))) {
        }
        const auto end = std::chrono::steady_clock::now();
        std::printf("%.9f\n", std::chrono::duration<double>(end - start).count());
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "solve") {
        return solve(args[1] == "unique", std::stod(args[2]));
    }
    if (args.size() == 4 && args[0] == "generate") {
        return generate(std::stoi(args[1]), std::stol(args[2]), static_cast<unsigned>(std::stoul(args[3])));
    }
    std::fputs("usage: qqwing-peer solve unique|time LIMIT | generate DIFFICULTY COUNT SEED\n", stderr);
    return 2;
}
