#include "core/features/choice_value.h"

#include <algorithm>
#include <cctype>

#include "core/text/startup_texts.h"

namespace rpx {

namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

} // namespace

Result<int> ChoiceIndex(const Notifier& notifier, const std::vector<std::string>& items,
                        std::string_view value) {
    const auto it =
        std::ranges::find_if(items, [value](const std::string& item) { return SameLetters(item, value); });
    if (it != items.end())
        return static_cast<int>(it - items.begin());
    std::string choices;
    for (const std::string& item : items)
        choices += (choices.empty() ? "" : ", ") + item;
    return Failure{notifier.Filled(txt::kNotAChoice, value, choices)};
}

} // namespace rpx
