#include "core/features/setting_values.h"

#include <algorithm>
#include <cctype>

#include "core/text/startup_texts.h"

namespace rpx {

namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::string ItemNumbers(std::size_t count) {
    return "#0..#" + std::to_string(count - 1);
}

} // namespace

Result<int> ChoiceOf(const std::vector<std::string>& items, std::string_view value,
                     const Notifier& notifier) {
    if (value.size() > 1 && value.front() == '#' &&
        std::ranges::all_of(value.substr(1), [](unsigned char c) { return std::isdigit(c) != 0; })) {
        const std::size_t index = value.size() > 4 ? items.size() : std::stoul(std::string(value.substr(1)));
        if (index < items.size())
            return static_cast<int>(index);
    }
    const auto it =
        std::ranges::find_if(items, [&](const std::string& item) { return SameLetters(item, value); });
    if (it != items.end())
        return static_cast<int>(it - items.begin());
    return Failure{notifier.Filled(txt::kNotAChoice, value, ChoicesRange(items))};
}

std::string ChoicesRange(const std::vector<std::string>& items) {
    std::string range;
    for (const std::string& item : items)
        range += item + ", ";
    return range + ItemNumbers(items.size());
}

Result<bool> BoxOf(std::string_view value, const Notifier& notifier) {
    if (value == "on" || value == "1")
        return true;
    if (value == "off" || value == "0")
        return false;
    return Failure{notifier.Filled(txt::kNotOnOrOff, value, kBoxRange)};
}

} // namespace rpx
