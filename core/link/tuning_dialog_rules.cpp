#include "core/link/tuning_dialog_rules.h"

namespace rpx {

namespace {

constexpr TextId kWideSuffix = 1001033;
constexpr TextId kNarrowSuffix = 1001035;
constexpr TextId kMegahertz = 1001050;

constexpr uint8_t kStart = 0x0D;
constexpr uint8_t kValue = 0x20;
constexpr uint8_t kStop = 0x0E;

} // namespace

TuningDialogRules::TuningDialogRules(TestModeRadio& radio, const RadioImage& image,
                                     const LanguageTable& texts, const TuningItem& item)
    : m_radio(radio), m_image(image), m_texts(texts), m_item(item), m_wide(radio.State().wide),
      m_pages(TuningPages(item.PointCount(m_wide))) {}

std::string TuningDialogRules::Title() const {
    std::string title = m_texts.GetText(m_item.text);
    if (m_item.bySpacing)
        title += m_texts.GetText(m_wide ? kWideSuffix : kNarrowSuffix);
    return title;
}

uint8_t TuningDialogRules::Value(std::size_t page) const {
    return m_radio.State().adjustments.at(Entry(page));
}

std::string TuningDialogRules::FrequencyText(std::size_t page, bool transmit) const {
    const auto frequencies =
        TuningFrequencies(m_pages.at(page).position, m_image.BandCode(), m_image.VersionCode());
    if (!frequencies)
        return {};
    return TuningFrequencyText(transmit ? frequencies->transmit : frequencies->receive) +
           m_texts.GetText(kMegahertz);
}

std::string TuningDialogRules::ReceiveText(std::size_t page) const {
    return FrequencyText(page, false);
}

std::string TuningDialogRules::TransmitText(std::size_t page) const {
    return FrequencyText(page, true);
}

TuningDialogRules::PageChange TuningDialogRules::ChangePage(std::size_t page) {
    if (page >= m_pages.size() || page == m_page)
        return PageChange::Refused;
    if (!m_radio.TransmitterOffFirst() || !m_radio.Request({PointCode(page), kStart}))
        return PageChange::Failed;
    m_page = page;
    return PageChange::Changed;
}

bool TuningDialogRules::SetValue(uint8_t value) {
    uint8_t& working = m_radio.State().adjustments.at(Entry(m_page));
    // The slider, the spin and the edit all report one move; only a new value goes to the radio.
    if (value == working)
        return true;
    if (!m_radio.Request({CurrentCode(), kValue, value}))
        return false;
    working = value;
    return true;
}

void TuningDialogRules::Ok() {
    m_radio.Request({CurrentCode(), kStop});
}

void TuningDialogRules::Cancel() {
    TestModeState& state = m_radio.State();
    for (std::size_t page = 0; page < m_pages.size(); ++page)
        state.adjustments.at(Entry(page)) = state.readAdjustments.at(Entry(page));
    if (m_pages.size() == 1) {
        const uint8_t code = PointCode(0);
        if (m_radio.Request({code, kValue, Value(0)}))
            m_radio.Request({code, kStop});
        return;
    }
    for (std::size_t page = 0; page < m_pages.size(); ++page) {
        const uint8_t code = PointCode(page);
        if (!m_radio.Request({code, kStart}) || !m_radio.Request({code, kValue, Value(page)}))
            return;
    }
    m_radio.Request({PointCode(m_pages.size() - 1), kStop});
}

} // namespace rpx
