#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor/channel_record.h"
#include "core/features/feature_rules.h"
#include "core/radio/image_layout.h"
#include "core/radio/scoped_image_edit.h"

namespace rpx {

// Edit > Test frequency: the sixteen receive and transmit frequencies the radio tunes to in test
// mode. A field takes what a channel frequency cell takes and stores it the same way; every change
// goes into the image at once, and the rules destroyed without Ok() put every byte back.
class TestFrequencyRules : public FeatureRules {
public:
    struct Offset {
        // Record n (1..16) at kTable + (n - 1) * kRecordSize: receive, then transmit, 4 BCD bytes
        // each. 0xFF in the first byte of a side: no frequency (no receive: the record is empty).
        static constexpr std::size_t kTable = layout::kTestFrequencies;
        static constexpr std::size_t kRecordSize = 8;
        static constexpr std::size_t kTransmit = 4;
    };
    static constexpr int kRecords = static_cast<int>(layout::kTestFrequencyPairs);
    // The headings of the table's RX and TX columns.
    static constexpr TextId kRxHeading = 1001027, kTxHeading = 1001025;

    TestFrequencyRules(Session& session, Notifier& notifier);

    std::string_view Name() const override { return "test-frequency"; }
    // Keys "N.rx" and "N.tx", N = 1..16, record by record.
    std::vector<SettingField> Fields() const override;
    Status Set(std::string_view key, std::string_view value) override;
    // Tells the user to write the radio before test mode, when the table was changed.
    bool Ok() override;
    static std::vector<SettingKey> Keys(const LanguageTable& texts);

    static std::size_t FrequencyOffset(int record, Direction direction);
    // "146.05000", or empty when the side holds no frequency.
    std::string FrequencyText(int record, Direction direction) const;
    struct Commit {
        bool refilled = false; // the band's defaults filled the emptied table: show every field again
        bool warn = false;     // out of band and typed by the user: ShowOutOfBandWarning() once shown
    };
    // A field left holding text: an empty receive text empties the record, an empty transmit text
    // its transmit side; any other text is stored as a channel frequency cell stores it (modified:
    // the user changed the text). When the whole table is empty then, the band's default test
    // frequencies fill it.
    Commit CommitFrequency(int record, Direction direction, std::string_view text, bool modified);
    void ShowOutOfBandWarning() const;

private:
    bool TableEmpty() const;

    Session& m_session;
    Notifier& m_notifier;
    ScopedImageEdit m_edit;
};

} // namespace rpx
