#pragma once

#include <string>
#include <vector>

// The subcommands of kelvaro-engine; each returns the process's exit status.
int runSolve(const std::vector<std::string>& args);
int runBench(const std::vector<std::string>& args);
int runGenerate(const std::vector<std::string>& args);
int runBenchGenerate(const std::vector<std::string>& args);
int runRate(const std::vector<std::string>& args);
int runExplain(const std::vector<std::string>& args);
