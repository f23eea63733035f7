#include "cli/command_line.h"

#include <cctype>
#include <charconv>
#include <string_view>

#include "core/radio/image_layout.h"

namespace rpx::cli {

const std::string* CommandLine::Value(const std::string& name) const {
    const auto it = values.find(name);
    return it == values.end() ? nullptr : &it->second;
}

bool ParseCommandLine(const std::vector<std::string>& words, const std::set<std::string>& flagOptions,
                      const std::set<std::string>& valueOptions, CommandLine& result, std::string& error) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool longOption = word.size() > 2 && word.rfind("--", 0) == 0;
        const bool shortOption =
            word.size() == 2 && word[0] == '-' && std::isalpha(static_cast<unsigned char>(word[1]));
        if (!longOption && !shortOption) {
            if (result.command.empty())
                result.command = word;
            else
                result.args.push_back(word);
            continue;
        }
        const std::string name = word.substr(longOption ? 2 : 1);
        if (flagOptions.count(name) != 0) {
            result.flags.insert(name);
        } else if (valueOptions.count(name) != 0) {
            if (i + 1 == words.size()) {
                error = "option " + word + " needs a value";
                return false;
            }
            result.values[name] = words[++i];
            result.everyValue[name].push_back(words[i]);
        } else {
            error = "unknown option " + word;
            return false;
        }
    }
    return true;
}

namespace {

// Digits of the base and nothing else: no sign, no blank, no second prefix.
bool ParseNumber(std::string_view text, int base, unsigned long max, unsigned long& value) {
    unsigned long parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || parsed > max)
        return false;
    value = parsed;
    return true;
}

} // namespace

bool ParseHex(const std::string& text, unsigned long max, unsigned long& value) {
    const bool prefixed = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    return ParseNumber(std::string_view(text).substr(prefixed ? 2 : 0), 16, max, value);
}

bool ParseDecimal(const std::string& text, unsigned long max, unsigned long& value) {
    return ParseNumber(text, 10, max, value);
}

bool ParseChannelRow(const std::string& text, unsigned long& row) {
    return ParseDecimal(text, layout::kChannelCount, row) && row >= 1;
}

std::optional<KeyValue> ParseKeyValue(const std::string& word) {
    const std::size_t equals = word.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    return KeyValue{word.substr(0, equals), word.substr(equals + 1)};
}

} // namespace rpx::cli
