#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/features/feature_rules.h"
#include "core/radio/image_layout.h"
#include "core/radio/scoped_image_edit.h"

namespace rpx {

// Edit > Embedded message: two lines of text the radio holds. Unlike the other feature dialogs the
// lines reach the image only on OK.
class MessageRules : public FeatureRules {
public:
    static constexpr std::size_t kLineCount = 2;
    // The lines have no labels: in words they are the dialog's title and the line's number.
    static constexpr TextId kLineLabel = 3002109;
    static constexpr std::size_t kLineLength = layout::kMessageLineLength;
    // Line n at kFirstLine + n * kLineLength: its characters, then 0xFF to the end of the field.
    static constexpr std::size_t kFirstLine = layout::kEmbeddedMessage;
    static constexpr uint8_t kUnset = 0xFF;
    static constexpr unsigned char kFirstPrintable = 0x20;

    MessageRules(Session& session, Notifier& notifier);

    std::string_view Name() const override { return "message"; }
    std::vector<SettingField> Fields() const override;
    Status Set(std::string_view key, std::string_view value) override;
    // Writes both lines; a line holding a control character is stored empty.
    bool Ok() override;
    static std::vector<SettingKey> Keys(const LanguageTable& texts);

    // The text of line 0 or 1 as its field holds it: at first the stored characters up to the
    // first 0xFF.
    const std::string& Line(std::size_t line) const { return m_lines.at(line); }
    // The field's text, cut to the kLineLength characters it holds.
    void SetLine(std::size_t line, std::string_view text);

private:
    Session& m_session;
    Notifier& m_notifier;
    ScopedImageEdit m_edit;
    std::array<std::string, kLineCount> m_lines;
};

} // namespace rpx
