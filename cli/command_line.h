#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace rpx::cli {

// A command's words once the options are taken out; options may stand anywhere.
struct CommandLine {
    std::string command;
    std::vector<std::string> args;
    std::set<std::string> flags;               // options without a value, e.g. "yes"
    std::map<std::string, std::string> values; // options with a value, e.g. "model" -> "MDL1A"
    std::map<std::string, std::vector<std::string>> everyValue; // each value of a repeated option, in order

    bool Has(const std::string& flag) const { return flags.count(flag) != 0; }
    const std::string* Value(const std::string& name) const;
};

// The options every command takes.
inline const std::set<std::string> kCommonFlags = {"yes", "extended"};

// Splits argv (without the program name). valueOptions names the options that take a value.
// Returns false with a reason when an option is unknown or lacks its value.
bool ParseCommandLine(const std::vector<std::string>& words, const std::set<std::string>& flagOptions,
                      const std::set<std::string>& valueOptions, CommandLine& result, std::string& error);

// Numbers typed on the command line.
bool ParseHex(const std::string& text, unsigned long max, unsigned long& value); // "3C0" or "0x3C0"
bool ParseDecimal(const std::string& text, unsigned long max, unsigned long& value);
// A channel row of the grid, 1..8.
bool ParseChannelRow(const std::string& text, unsigned long& row);

// A KEY=VALUE word of the edit commands (set, channel, settings), split at its first '='.
struct KeyValue {
    std::string key;
    std::string value;
};
std::optional<KeyValue> ParseKeyValue(const std::string& word);

} // namespace rpx::cli
