#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/features/feature_rules.h"
#include "core/radio/radio_image.h"
#include "core/text/language_table.h"
#include "core/tone/tone_sequence.h"

namespace rpx {

// The special alert tone page: sixteen tones of a frequency and a length, the interval between
// sequences and the repeat switch. A view over the image without an edit of its own: the dialog
// holding it takes the snapshot. Fields take up to four digits; every change is stored at once.
class ToneSequenceRules {
public:
    using Layout = ToneSequenceLayout;
    struct Limit {
        static constexpr int kMinHz = 400, kMaxHz = 2500;
        // Frequency spin positions: 2510 (and anything below 400) means the tone is not used, 2520
        // goes round to 400.
        static constexpr int kNotUsedPosition = 2510, kWrapPosition = 2520, kLowestPosition = 390;
        static constexpr int kMaxMs = 2500;
        static constexpr int kStep = 10; // Hz and ms per spin click
        static constexpr int kWidth = 4;
    };
    static constexpr TextId kNotUsedText = 3010111;
    // The repeat box's text, the interval's label and the headings of the tone table's columns.
    static constexpr TextId kRepeatLabel = 3010101, kIntervalLabel = 3010103, kFrequencyHeading = 3010107,
                            kLengthHeading = 3010109;
    static constexpr int kTones = static_cast<int>(Layout::kTones);

    ToneSequenceRules(RadioImage& image, const LanguageTable& texts);

    bool Repeat() const;
    void SetRepeat(bool on);

    // tone counts from 0. Each Step*() is a spin click (+1 up, -1 down) and each Leave*() the field
    // left holding typed; both store and return what the field shows then.
    std::string IntervalText() const;
    std::string StepInterval(int step);
    std::string LeaveInterval(std::string_view typed);
    std::string FrequencyText(int tone) const;
    std::string StepFrequency(int tone, int step);
    // Empty or 0 is "not used"; other values are kept within 400..2500 Hz.
    std::string LeaveFrequency(int tone, std::string_view typed);
    std::string LengthText(int tone) const;
    std::string StepLength(int tone, int step);
    std::string LeaveLength(int tone, std::string_view typed);

    // The 33 summary cells: each tone's frequency, each tone's length, then the interval; empty
    // where nothing is set (an unused tone's frequency, a length or interval of 0).
    std::vector<std::string> SummaryCells() const;

    std::vector<SettingField> Fields() const;
    Status Set(std::string_view key, std::string_view value, const Notifier& notifier);
    static std::vector<SettingKey> Keys();
    static bool HasKey(std::string_view key);

private:
    int Hz(int tone) const;
    void StoreFrequencyPosition(int tone, int position);
    std::string MsText(std::size_t offset) const;
    std::string StoreMs(std::size_t offset, int ms);

    RadioImage& m_image;
    std::string m_notUsed;
    // Where each frequency spin stands; a tone not used may stand at either end.
    std::array<int, Layout::kTones> m_positions{};
};

} // namespace rpx
