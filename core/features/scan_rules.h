#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/features/feature_rules.h"
#include "core/radio/scoped_image_edit.h"

namespace rpx {

// Edit > Scan: the revert channel, the drop-out delay and transmit dwell times, off-hook scan.
// Every change goes into the image at once; the rules destroyed without Ok() put every byte back.
class ScanRules : public FeatureRules {
public:
    struct Offset {
        static constexpr std::size_t kRevertChannel = 0x260; // 0 first choice, else the second
        static constexpr std::size_t kDropoutDelay = 0x261;  // half-seconds 1..10
        static constexpr std::size_t kDwellTime = 0x262;     // half-seconds 1..10
        static constexpr std::size_t kOffHookScan = 0x263;   // 1 on, anything else off
    };
    struct Limit {
        static constexpr int kMinHalfSeconds = 1;
        static constexpr int kMaxHalfSeconds = 10;
        // Stands in for 0, an unreadable text and a byte out of range.
        static constexpr int kDefaultHalfSeconds = 6;
        static constexpr std::size_t kTimeTextLength = 3;
    };
    static constexpr TextId kRevertChoices[] = {3007001, 3007003};
    enum class Time { DropoutDelay, DwellTime };
    // The texts beside the fields (the off-hook box's own text).
    static constexpr TextId kRevertLabel = 3007007;
    static constexpr TextId kOffHookLabel = 3007013;
    static TextId Label(Time time);

    ScanRules(Session& session, Notifier& notifier);

    std::string_view Name() const override { return "scan"; }
    std::vector<SettingField> Fields() const override;
    Status Set(std::string_view key, std::string_view value) override;
    bool Ok() override;
    static std::vector<SettingKey> Keys(const LanguageTable& texts);

    std::vector<std::string> RevertItems() const { return RevertItems(m_notifier.Texts()); }
    static std::vector<std::string> RevertItems(const LanguageTable& texts);
    int RevertSelection() const;
    void SelectRevert(int index);

    // The time as the field shows it; a byte out of range shows 3.0 and stays in the image.
    std::string TimeText(Time time) const;
    // The spin's position when the dialog opens.
    int TimeHalfSeconds(Time time) const;
    // The field lost the focus holding text: stores the rounded time, gives the half-seconds the
    // field and its spin show.
    int CommitTime(Time time, std::string_view text);
    // A spin click of step (+1 up, -1 down) on a field holding text: the half-seconds shown next.
    static int SpinStep(std::string_view text, int spinPosition, int step);
    static std::string HalfSecondsText(int halfSeconds);
    // Whether a time field takes character c typed with the caret at caret: digits anywhere, the
    // decimal point only directly after the first character.
    static bool AcceptsTimeCharacter(std::size_t caret, char c);

    bool OffHookScan() const;
    void SetOffHookScan(bool on);

private:
    static std::size_t OffsetOf(Time time);

    Session& m_session;
    Notifier& m_notifier;
    ScopedImageEdit m_edit;
};

} // namespace rpx
