#include "engine_run.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string contents(const std::filesystem::path& path)
{
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

}  // namespace

EngineRun runEngine(const std::string& arguments, const std::string& input, const std::string& redirections)
{
    const auto dir = std::filesystem::temp_directory_path() /
                     ("kelvaro-cli-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
    const auto in = dir / "in.txt";
    const auto out = dir / "out.txt";
    const auto err = dir / "err.txt";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command = std::string(KELVARO_ENGINE_BINARY) + " " + arguments + " <" + in.string() + " >" +
                                out.string() + " 2>" + err.string() + " " + redirections;
    EngineRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = contents(out);
    run.err = contents(err);
    std::filesystem::remove_all(dir);
    return run;
}

std::vector<std::string> tabFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream row(line);
    for (std::string field; std::getline(row, field, '\t');) {
        fields.push_back(field);
    }
    return fields;
}
