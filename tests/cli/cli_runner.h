#pragma once

#include <string>
#include <vector>

namespace rpx::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs rpx41c-cli (or the program at path) with args, standard input empty, and collects what it prints.
CliResult RunCli(const std::vector<std::string>& args);
CliResult RunProgram(const std::string& path, const std::vector<std::string>& args);

} // namespace rpx::test
