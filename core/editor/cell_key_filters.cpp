#include "core/editor/cell_key_filters.h"

namespace rpx {

namespace {

bool IsDigit(char key) {
    return key >= '0' && key <= '9';
}

// One key that passed a filter, applied at the end of the text.
void Apply(std::string& text, char key, std::size_t limit) {
    if (key == kBackspaceKey) {
        if (!text.empty())
            text.pop_back();
    } else if (key != kTabKey && text.size() < limit) {
        text += key;
    }
}

} // namespace

bool FrequencyEditAccepts(char key) {
    return IsDigit(key) || key == '.' || key == kBackspaceKey;
}

std::optional<char> FilterToneKey(char key, std::string_view currentText) {
    switch (key) {
    case 'd':
    case 'n':
    case 'i':
        return static_cast<char>(key - 'a' + 'A');
    case kBackspaceKey:
    case kTabKey:
    case 'D':
    case 'I':
    case 'N':
    case '.':
        return key;
    case '8':
    case '9':
        if (!currentText.empty() && currentText.front() == 'D')
            return std::nullopt;
        return key;
    default:
        return IsDigit(key) ? std::optional<char>(key) : std::nullopt;
    }
}

std::string DropMisplacedPoints(std::string_view text) {
    constexpr std::size_t kPointPosition = 3;
    std::string kept;
    bool point = false;
    for (char c : text) {
        if (c == '.') {
            if (point || kept.size() != kPointPosition)
                continue;
            point = true;
        }
        kept += c;
    }
    return kept;
}

std::string TypeIntoFrequencyCell(std::string current, std::string_view keys) {
    for (char key : keys)
        if (FrequencyEditAccepts(key))
            Apply(current, key, kFrequencyCellLimit);
    return current;
}

std::string TypeIntoToneCell(std::string current, std::string_view keys) {
    for (char key : keys)
        if (const std::optional<char> passed = FilterToneKey(key, current))
            Apply(current, *passed, kToneCellLimit);
    return current;
}

} // namespace rpx
