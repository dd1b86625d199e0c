#include "qqwing_peer.h"

#ifdef KELVARO_HAVE_QQWING
#include <qqwing.hpp>

#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace {

struct Record {
    std::uint32_t index;
    double seconds;
    std::uint8_t solved;
    std::uint8_t unique;
    std::int8_t solution[81];
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

bool writeAll(int fd, const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = write(fd, bytes, size);
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool readAll(int fd, void* data, std::size_t size)
{
    auto* bytes = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t got = read(fd, bytes, size);
        if (got <= 0) {
            return false;
        }
        bytes += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

// The child's work: solve the puzzles from `first` on, skipping the
// unfinished ones, and report each on `fd`.
[[noreturn]] void solveInChild(const std::vector<RowByRow>& puzzles, const std::vector<PeerSolve>& known,
                               std::size_t first, bool checkUnique, double limitSeconds, int fd)
{
    qqwing::SudokuBoard board;
    for (std::size_t n = first; n < puzzles.size(); ++n) {
        if (n < known.size() && !known[n].finished) {
            continue;
        }
        RowByRow givens = puzzles[n];
        limitProcessorTime(limitSeconds);
        const auto start = std::chrono::steady_clock::now();
        board.setPuzzle(givens.data());
        const bool solved = board.solve();
        const auto end = std::chrono::steady_clock::now();
        Record record{};
        record.index = static_cast<std::uint32_t>(n);
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
        if (!writeAll(fd, &record, sizeof record)) {
            _exit(1);
        }
    }
    _exit(0);
}

// One round over all puzzles; the first round fills `results`, later ones
// only lower the times of the finished puzzles.
void solveRound(const std::vector<RowByRow>& puzzles, std::vector<PeerSolve>& results, bool firstRound,
                double limitSeconds)
{
    const std::vector<PeerSolve> known = firstRound ? std::vector<PeerSolve>() : results;
    std::size_t next = 0;
    while (next < puzzles.size()) {
        int channel[2];
        if (pipe(channel) != 0) {
            return;
        }
        const pid_t child = fork();
        if (child < 0) {
            close(channel[0]);
            close(channel[1]);
            return;
        }
        if (child == 0) {
            close(channel[0]);
            solveInChild(puzzles, known, next, firstRound, limitSeconds, channel[1]);
        }
        close(channel[1]);
        Record record{};
        while (readAll(channel[0], &record, sizeof record)) {
            PeerSolve& result = results[record.index];
            if (firstRound) {
                result.finished = true;
                result.seconds = record.seconds;
                result.solved = record.solved != 0;
                result.unique = record.unique != 0;
                for (int k = 0; k < 81; ++k) {
                    result.solution[k] = record.solution[k];
                }
            } else if (record.seconds < result.seconds) {
                result.seconds = record.seconds;
            }
            next = record.index + 1;
        }
        close(channel[0]);
        int status = 0;
        waitpid(child, &status, 0);
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
            return;
        }
        // The child ended on the puzzle it was working on, the first from
        // `next` on that this round does not skip: the next child starts
        // after it. In the first round that puzzle stays unfinished; in a
        // later one it keeps its earlier time.
        while (next < puzzles.size() && !firstRound && !known[next].finished) {
            ++next;
        }
        ++next;
    }
}

}  // namespace

bool peerAvailable() { return true; }

std::vector<PeerSolve> peerSolveAll(const std::vector<RowByRow>& puzzles, int rounds, double limitSeconds)
{
    std::vector<PeerSolve> results(puzzles.size());
    for (int round = 0; round < rounds; ++round) {
        solveRound(puzzles, results, round == 0, limitSeconds);
    }
    return results;
}
#else
bool peerAvailable() { return false; }

std::vector<PeerSolve> peerSolveAll(const std::vector<RowByRow>& puzzles, int, double)
{
    return std::vector<PeerSolve>(puzzles.size());
}
#endif
