#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/link/test_mode_radio.h"
#include "core/link/tuning_items.h"
#include "core/link/tuning_points.h"
#include "core/radio/radio_image.h"
#include "core/text/language_table.h"

namespace rpx {

// What the tuning dialog shows and what its controls ask of the radio, for one tuning item whose
// point 0 the test dialog has started. The channel spacing at opening decides the points. PTT and
// volume go through Radio(), as in the test dialog.
class TuningDialogRules {
public:
    TuningDialogRules(TestModeRadio& radio, const RadioImage& image, const LanguageTable& texts,
                      const TuningItem& item);

    TestModeRadio& Radio() { return m_radio; }

    // The item's text; for items by spacing followed by the wide or narrow text.
    std::string Title() const;
    int PointCount() const { return m_item.PointCount(m_wide); }
    const std::vector<TuningPage>& Pages() const { return m_pages; }
    std::size_t CurrentPage() const { return m_page; }
    // The code the value requests of the current point carry.
    uint8_t CurrentCode() const { return PointCode(m_page); }
    // The working value of a page's point, 0..255.
    uint8_t Value(std::size_t page) const;
    // A page's test frequencies ("146.05000" and the MHz text); empty for a band outside 1..5.
    std::string ReceiveText(std::size_t page) const;
    std::string TransmitText(std::size_t page) const;

    enum class PageChange {
        Changed, // the new page's point is started
        Refused, // not a page that can be chosen now: the previous page stays selected
        Failed,  // the exchange failed: the dialog closes
    };
    // Switches the transmitter off first, then starts the new page's point.
    PageChange ChangePage(std::size_t page);
    // Sends the current point's new value; false when the dialog is to close.
    bool SetValue(uint8_t value);
    // Stops the current point. The dialog closes in any case.
    void Ok();
    // Sends back the values read when the dialog opened and stops. The dialog closes in any case.
    void Cancel();

private:
    uint8_t PointCode(std::size_t page) const { return m_item.PointCode(m_pages.at(page).point); }
    std::size_t Entry(std::size_t page) const {
        return m_item.AdjustmentEntry(m_pages.at(page).point, m_wide);
    }
    std::string FrequencyText(std::size_t page, bool transmit) const;

    TestModeRadio& m_radio;
    const RadioImage& m_image;
    const LanguageTable& m_texts;
    const TuningItem m_item;
    bool m_wide;
    std::vector<TuningPage> m_pages;
    std::size_t m_page = 0;
};

} // namespace rpx
