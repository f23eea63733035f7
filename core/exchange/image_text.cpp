#include "core/exchange/image_text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <vector>

#include "core/app/session.h"
#include "core/exchange/channel_fields.h"
#include "core/exchange/image_fields.h"
#include "core/features/feature_rules.h"
#include "core/radio/image_layout.h"
#include "core/text/startup_texts.h"

namespace rpx {

namespace {

constexpr std::string_view kFirstLine = "# rpx41c data as text, form 1";
constexpr std::string_view kBytesLine = "bytes:";
constexpr std::size_t kBytesPerLine = 16;
constexpr std::string_view kChannelPrefix = "channel.";

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            escaped += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F) {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            escaped += code;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

bool ParseHexByte(std::string_view digits, uint8_t& value) {
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return digits.size() == 2 && error == std::errc() && end == digits.data() + digits.size();
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            plain += text[i];
        } else if (text.substr(i + 1, 1) == "\\") {
            plain += '\\';
            ++i;
        } else if (uint8_t byte = 0;
                   text.substr(i + 1, 1) == "x" && ParseHexByte(text.substr(i + 2, 2), byte)) {
            plain += static_cast<char>(byte);
            i += 3;
        } else {
            return std::nullopt;
        }
    }
    return plain;
}

// "ADR: B0 B1 ... B15" into the image; false when the line is not one.
bool ReadBytesLine(std::string_view line, RadioImage& image, std::vector<bool>& seen) {
    std::size_t address = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), address, 16);
    if (error != std::errc() || end - line.data() != 3 || address % kBytesPerLine != 0 ||
        address >= RadioImage::kSize || seen[address / kBytesPerLine] ||
        line.size() != 5 + 3 * kBytesPerLine - 1 || line.substr(3, 1) != ":")
        return false;
    for (std::size_t i = 0; i < kBytesPerLine; ++i) {
        uint8_t value = 0;
        if (line[4 + 3 * i] != ' ' || !ParseHexByte(line.substr(5 + 3 * i, 2), value))
            return false;
        image.SetByte(address + i, value);
    }
    seen[address / kBytesPerLine] = true;
    return true;
}

struct Edit {
    std::string key; // within its dialog
    std::string value;
};

// The edited fields by dialog, a feature dialog's name or "channel.N", in the order of the text.
using Edits = std::vector<std::pair<std::string, std::vector<Edit>>>;

// The dialog of a key: "scan" of "scan.revert-channel", "channel.3" of "channel.3.rx".
std::size_t DialogLength(std::string_view key) {
    return key.find('.', key.starts_with(kChannelPrefix) ? kChannelPrefix.size() : 0);
}

Status ApplyEdits(Session& session, Notifier& notifier, const Edits& edits) {
    for (const auto& [dialog, list] : edits) {
        if (dialog.starts_with(kChannelPrefix)) {
            ChannelDetailRules rules(session, notifier, std::stoi(dialog.substr(kChannelPrefix.size())));
            rules.Open();
            for (const Edit& edit : list)
                if (Status set = SetChannelField(rules, *FindChannelFieldKey(edit.key), edit.value); !set)
                    return Failure{dialog + '.' + edit.key + ": " + set.Message()};
            rules.Ok();
            continue;
        }
        auto rules = OpenFeatureRules(dialog, session, notifier);
        for (const Edit& edit : list)
            if (Status set = rules->Set(edit.key, edit.value); !set)
                return Failure{dialog + '.' + edit.key + ": " + set.Message()};
        if (!rules->Ok())
            return Failure{dialog + ": " + notifier.Text(txt::kTextNotStored)};
    }
    return {};
}

} // namespace

std::string ImageToText(const RadioImage& image, bool extendedMode, const LanguageTable& texts) {
    std::string text(kFirstLine);
    text += '\n';
    for (const ImageField& field : ImageFields(image, extendedMode, texts))
        text += field.key + ": " + Escaped(field.text) + '\n';
    text += kBytesLine;
    char hex[8];
    for (std::size_t address = 0; address < RadioImage::kSize; ++address) {
        if (address % kBytesPerLine == 0) {
            std::snprintf(hex, sizeof hex, "\n%03zX:", address);
            text += hex;
        }
        std::snprintf(hex, sizeof hex, " %02X", image.Byte(address));
        text += hex;
    }
    return text + '\n';
}

Result<RadioImage> ImageFromText(std::string_view text, bool extendedMode, Notifier& notifier) {
    struct Value {
        std::size_t line;
        std::string key;
        std::string text;
    };
    std::vector<Value> values;
    Session session;
    session.extendedMode = extendedMode;
    std::vector<bool> seen(RadioImage::kSize / kBytesPerLine, false);
    bool inBytes = false;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const auto refuse = [&] {
            return Failure{notifier.Filled(txt::kTextLineNotUnderstood, std::to_string(number + 1), line)};
        };
        if (number == 0) {
            if (line != kFirstLine)
                return refuse();
            continue;
        }
        if (line.empty() || line.starts_with('#'))
            continue;
        if (line == kBytesLine) {
            inBytes = true;
        } else if (inBytes) {
            if (!ReadBytesLine(line, session.image, seen))
                return refuse();
        } else {
            const std::size_t colon = line.find(": ");
            const std::optional<std::string> value =
                colon == std::string_view::npos ? std::nullopt : Unescaped(line.substr(colon + 2));
            if (!value)
                return refuse();
            values.push_back({number + 1, std::string(line.substr(0, colon)), *value});
        }
    }
    if (std::ranges::find(seen, false) != seen.end())
        return Failure{notifier.Filled(txt::kTextLineNotUnderstood, std::to_string(number + 1), kBytesLine)};

    const std::vector<ImageField> shown = ImageFields(session.image, extendedMode, notifier.Texts());
    Edits edits;
    for (const auto& [line, key, value] : values) {
        const auto field = std::ranges::find(shown, key, &ImageField::key);
        if (field == shown.end())
            return Failure{notifier.Filled(txt::kTextLineNotUnderstood, std::to_string(line), key)};
        if (field->text == value)
            continue;
        const std::string dialog = key.substr(0, DialogLength(key));
        auto group = std::ranges::find(edits, dialog, &Edits::value_type::first);
        if (group == edits.end())
            group = edits.insert(edits.end(), {dialog, {}});
        group->second.push_back({key.substr(dialog.size() + 1), value});
    }
    session.trunkingMode = session.image.Byte(layout::kPortMode) == layout::kTrunkingPortMode;
    if (Status applied = ApplyEdits(session, notifier, edits); !applied)
        return Failure{applied.Message()};
    return session.image;
}

} // namespace rpx
