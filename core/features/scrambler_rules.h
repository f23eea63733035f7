#pragma once

#include <string_view>
#include <vector>

#include "core/features/feature_rules.h"
#include "core/radio/scoped_image_edit.h"

namespace rpx {

// The extended sheet's channel page: each channel's voice scrambler and scrambler code, in byte 14 of
// its record (bit 3 the scrambler, the high nibble the code minus 1; the other bits stay).
class ScramblerRules : public FeatureRules {
public:
    static constexpr int kChannels = 8;
    static constexpr int kCodeMin = 1, kCodeMax = 16;
    // The heading of the code column and the voice box's text.
    static constexpr TextId kCodeHeading = 3017057, kVoiceLabel = 3017059;

    ScramblerRules(Session& session, Notifier& notifier);

    std::string_view Name() const override { return "scrambler"; }
    std::vector<SettingField> Fields() const override;
    Status Set(std::string_view key, std::string_view value) override;
    bool Ok() override;
    static std::vector<SettingKey> Keys(const LanguageTable& texts);

    // Channel 1..8.
    int Code(int channel) const;
    // Clamped into 1..16.
    void SetCode(int channel, int code);
    bool Voice(int channel) const;
    void SetVoice(int channel, bool on);

private:
    Session& m_session;
    Notifier& m_notifier;
    ScopedImageEdit m_edit;
};

} // namespace rpx
