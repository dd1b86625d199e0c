#include "run_engine.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

ToolRun runEngine(const std::string& subcommand, const std::string& input)
{
    const auto dir = std::filesystem::temp_directory_path() /
                     ("kelvaro-cli-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
    const auto in = dir / "in.txt";
    const auto out = dir / "out.txt";
    const auto err = dir / "err.txt";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command = std::string(KELVARO_ENGINE_BINARY) + " " + subcommand + " <" + in.string() + " >" +
                                out.string() + " 2>" + err.string();
    ToolRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::stringstream o;
    o << std::ifstream(out).rdbuf();
    run.out = o.str();
    std::stringstream e;
    e << std::ifstream(err).rdbuf();
    run.err = e.str();
    std::filesystem::remove_all(dir);
    return run;
}
