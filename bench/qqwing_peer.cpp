#include "qqwing_peer.h"

#include "qqwing_peer_protocol.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::string peerPath()
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : (self.parent_path() / peerProgram).string();
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

// The peer at work: its process, and the pipes to its standard input and
// from its standard output.
struct Peer {
    pid_t pid = -1;
    std::FILE* input = nullptr;
    int output = -1;
};

Peer startPeer(std::vector<std::string> arguments)
{
    Peer peer;
    int toPeer[2];
    int fromPeer[2];
    if (pipe(toPeer) != 0) {
        return peer;
    }
    if (pipe(fromPeer) != 0) {
        close(toPeer[0]);
        close(toPeer[1]);
        return peer;
    }
    arguments.insert(arguments.begin(), peerPath());
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    peer.pid = fork();
    if (peer.pid == 0) {
        dup2(toPeer[0], STDIN_FILENO);
        dup2(fromPeer[1], STDOUT_FILENO);
        for (const int fd : {toPeer[0], toPeer[1], fromPeer[0], fromPeer[1]}) {
            close(fd);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(toPeer[0]);
    close(fromPeer[1]);
    peer.input = fdopen(toPeer[1], "w");
    peer.output = fromPeer[0];
    return peer;
}

// Closes what is left open and returns whether the peer ended by itself.
bool endPeer(Peer& peer)
{
    if (peer.input != nullptr) {
        std::fclose(peer.input);
    }
    close(peer.output);
    int status = 0;
    waitpid(peer.pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Hands the peer all its input at once; it reads everything before it
// writes, so neither side waits for the other. A peer that could not start
// must not end the benchmark with a broken pipe.
void giveInput(Peer& peer, const std::string& text)
{
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    std::fwrite(text.data(), 1, text.size(), peer.input);
    std::fclose(peer.input);
    peer.input = nullptr;
    std::signal(SIGPIPE, previous);
}

// One round over all puzzles; the first round fills `results`, later ones
// only lower the times of the finished puzzles.
void solveRound(const std::vector<RowByRow>& puzzles, std::vector<PeerSolve>& results, bool firstRound,
                double limitSeconds)
{
    const std::vector<PeerSolve> known = firstRound ? std::vector<PeerSolve>() : results;
    std::size_t next = 0;
    while (next < puzzles.size()) {
        Peer peer = startPeer({"solve", firstRound ? "unique" : "time", std::to_string(limitSeconds)});
        if (peer.pid < 0) {
            return;
        }
        std::string input;
        for (std::size_t n = next; n < puzzles.size(); ++n) {
            if (!firstRound && !known[n].finished) {
                continue;
            }
            input += std::to_string(n);
            for (const int digit : puzzles[n]) {
                input += ' ' + std::to_string(digit);
            }
            input += '\n';
        }
        giveInput(peer, input);
        PeerRecord record{};
        while (readAll(peer.output, &record, sizeof record)) {
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
        if (endPeer(peer)) {
            return;
        }
        // The peer ended on the puzzle it was working on, the first from
        // `next` on that this round does not skip: the next peer starts
        // after it. In the first round that puzzle stays unfinished; in a
        // later one it keeps its earlier time.
        while (next < puzzles.size() && !firstRound && !known[next].finished) {
            ++next;
        }
        ++next;
    }
}

}  // namespace

bool peerAvailable() { return access(peerPath().c_str(), X_OK) == 0; }

std::vector<PeerSolve> peerSolveAll(const std::vector<RowByRow>& puzzles, int rounds, double limitSeconds)
{
    std::vector<PeerSolve> results(puzzles.size());
    for (int round = 0; round < rounds; ++round) {
        solveRound(puzzles, results, round == 0, limitSeconds);
    }
    return results;
}

const char* peerLevelName(int difficulty)
{
    static const char* const names[] = {"simple", "easy", "intermediate", "expert"};
    return names[difficulty - 1];
}

std::vector<double> peerGenerateAll(int difficulty, long count, unsigned seed)
{
    std::vector<double> seconds;
    if (!peerAvailable()) {
        return seconds;
    }
    Peer peer = startPeer({"generate", std::to_string(difficulty), std::to_string(count), std::to_string(seed)});
    if (peer.pid < 0) {
        return seconds;
    }
    giveInput(peer, "");
    std::FILE* output = fdopen(peer.output, "r");
    for (double one = 0; std::fscanf(output, "%lf", &one) == 1;) {
        seconds.push_back(one);
    }
    std::fclose(output);
    peer.output = -1;
    endPeer(peer);
    return seconds;
}
