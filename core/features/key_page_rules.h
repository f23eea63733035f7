#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/features/feature_rules.h"
#include "core/features/key_assignment_rules.h"

namespace rpx {

// The extended sheet's key page: the four channel keys (0x240..0x243) and the two programmable keys
// (0x244, 0x245). Every key offers the channel codes 0..3 ahead of the Key assignment dialog's list
// for the model, whose mapping of items to codes it shares.
class KeyPageRules : public FeatureRules {
public:
    static constexpr std::size_t kFirstKey = 0x240;
    static constexpr int kKeyCount = 6;
    static constexpr int kChannelCodes = 4; // codes 0..3: channels 1..4
    // "Ch 1".."Ch 4" beside the channel keys.
    static constexpr TextId kChannelKeyLabels[kChannelCodes] = {3017069, 3017071, 3017073, 3017075};

    KeyPageRules(Session& session, Notifier& notifier);

    std::string_view Name() const override { return "key"; }
    std::vector<SettingField> Fields() const override;
    Status Set(std::string_view key, std::string_view value) override;
    bool Ok() override;
    static std::vector<SettingKey> Keys(const LanguageTable& texts);

    // The name a key code shows on this page and in the printed record.
    static std::string CodeText(const LanguageTable& texts, uint8_t code);
    // Key 0..5: the four channel keys, then the programmable keys.
    std::string KeyText(int key) const;
    std::vector<std::string> ItemTexts() const;
    // The item of the key's stored code; -1 when the model's list has none.
    int Selection(int key) const;
    void Select(int key, int item);

private:
    Session& m_session;
    Notifier& m_notifier;
    KeyAssignmentRules m_keys; // its edit is the page's
};

} // namespace rpx
