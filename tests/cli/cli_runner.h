#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace rpx::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs rpx41c-cli (or the program at path) with args and standard input from the file at input (empty
// unless given, so a command cannot stop to ask), and collects what it prints.
// Where the commands the tests run keep their backups.
std::filesystem::path CliBackupFolder();

CliResult RunCli(const std::vector<std::string>& args, const std::string& input = "/dev/null");
CliResult RunProgram(const std::string& path, const std::vector<std::string>& args,
                     const std::string& input = "/dev/null");

} // namespace rpx::test
