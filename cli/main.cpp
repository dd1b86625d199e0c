#include "commands.h"

#include <cstdio>
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
    for (const Command& command : commands) {
        if (command.name == argv[1]) {
            return command.run(args);
        }
    }
    return usage();
}
