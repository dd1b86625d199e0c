#include "checked_output.h"
#include "commands.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Command {
    std::string_view name;
    int (*run)(const std::vector<std::string>& args);
};

constexpr Command commands[] = {
    {"solve", runSolve},
    {"bench", runBench},
    {"generate", runGenerate},
    {"bench-generate", runBenchGenerate},
    {"rate", runRate},
    {"explain", runExplain},
};

int usage()
{
    std::fputs("usage: kelvaro-engine solve < puzzles\n"
               "       kelvaro-engine bench FILE...\n"
               "       kelvaro-engine generate --difficulty 1-4 --count N [--seed S]\n"
               "       kelvaro-engine bench-generate [--count N] [--seed S]\n"
               "       kelvaro-engine rate < puzzles\n"
               "       kelvaro-engine explain < puzzles\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        return usage();
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    // Unsynced from stdio, standard input reads faster and reports its read
    // errors instead of ending as if the input were empty.
    std::ios::sync_with_stdio(false);
    for (const Command& command : commands) {
        if (command.name == argv[1]) {
            const int status = command.run(args);
            if (!flushOut()) {
                std::fprintf(stderr, "error: cannot write the output: %s\n", outputFailure());
                return 1;
            }
            return status;
        }
    }
    return usage();
}
