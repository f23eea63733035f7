#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/link/test_mode_radio.h"
#include "core/link/tuning_dialog_rules.h"
#include "core/link/tuning_items.h"
#include "core/radio/radio_image.h"
#include "core/text/language_table.h"

namespace rpx {

// The receive and transmit descriptions of one signalling number.
struct SignallingTexts {
    TextId receive;
    TextId transmit;
    bool operator==(const SignallingTexts&) const = default;
};

// What the test dialog shows and what its controls ask of the radio. Opening the dialog (the
// constructor) sets the wide flag, chooses signalling 1, shows the receiver and takes the volume
// from the adjustment values. PTT and the volume spin go through Radio(); the volume controls are
// enabled while the transmitter is off. A request that returns false failed: the dialog closes,
// and leaving test mode is up to TestModeSession.
class TestDialogRules {
public:
    TestDialogRules(TestModeRadio& radio, const RadioImage& image, const LanguageTable& texts);

    TestModeRadio& Radio() { return m_radio; }
    const TestModeState& State() const { return m_radio.State(); }

    // The numbers of the test channels whose record in the image is not empty, in order.
    std::vector<int> ChannelNumbers() const;
    // Frequencies of the selected test channel ("146.52000 MHz"); the transmit one is the off
    // text for a record without transmit frequency. Empty for an empty record.
    std::string ReceiveText() const;
    std::string TransmitText() const;
    // Signalling 1..9.
    static SignallingTexts SignallingDescriptions(int signalling);

    // Each switches the transmitter off first.
    bool ChooseChannel(int channel);
    bool ChooseSignalling(int listPosition);
    bool SetWide(bool wide);
    // Reads the adjustment values again and starts the item: the rules of the tuning dialog to run,
    // or nothing when the exchange failed and this dialog closes.
    std::optional<TuningDialogRules> StartTuning(const TuningItem& item);
    // After the tuning dialog: brings the volume back into 0..31. False when the tuning dialog
    // left test mode, so this dialog closes too.
    bool TuningClosed();

private:
    bool SelectedRecordEmpty() const;
    std::string FrequencyText(std::size_t offset) const;

    TestModeRadio& m_radio;
    const RadioImage& m_image;
    const LanguageTable& m_texts;
};

} // namespace rpx
