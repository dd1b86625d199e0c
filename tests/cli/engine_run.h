#pragma once

#include <string>
#include <vector>

struct EngineRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs kelvaro-engine with `arguments` through the shell, `input` on its
// standard input; `redirections` come after the capture of both outputs, so
// they can replace it (">/dev/full", ">&-", "</tmp").
EngineRun runEngine(const std::string& arguments, const std::string& input,
                    const std::string& redirections = "");

// The fields of a line of output, split at its tabs.
std::vector<std::string> tabFields(const std::string& line);
