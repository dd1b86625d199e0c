#pragma once

#include <string>

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs `kelvaro-engine <subcommand>` on the given standard input.
ToolRun runEngine(const std::string& subcommand, const std::string& input);
