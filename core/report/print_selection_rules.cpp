#include "core/report/print_selection_rules.h"

#include "core/radio/image_layout.h"

namespace rpx {

namespace {

constexpr TextId kChannelText = 3018013;
constexpr uint8_t kSignallingBlockedRange = 0x23;

} // namespace

std::string PrintSelectionRules::BoxText(PrintSection section, const LanguageTable& texts) {
    std::string text = texts.GetText(InfoOf(section).title);
    if (section == PrintSection::SmarTrunkChannel)
        text += std::string(" - ") + texts.GetText(kChannelText);
    return text;
}

bool PrintSelectionRules::IsVisible(PrintSection section) const {
    return section != PrintSection::Extended || m_session.image.HiddenFunctionsEnabled();
}

bool PrintSelectionRules::IsEnabled(PrintSection section) const {
    const RadioImage& image = m_session.image;
    switch (section) {
    case PrintSection::SmarTrunk:
    case PrintSection::SmarTrunkChannel:
        return image.Byte(layout::kPortMode) == layout::kTrunkingPortMode;
    case PrintSection::Orbicall:
    case PrintSection::FunctionPort:
        return !image.HiddenFunctionsEnabled() && image.RangeCode() != kSignallingBlockedRange;
    default:
        return true;
    }
}

void PrintSelectionRules::Check(PrintSection section, bool on) {
    Select(m_selection, section, on && Offered(section));
}

void PrintSelectionRules::SelectAll() {
    for (const PrintSectionInfo& info : PrintSectionTable())
        Check(info.section, info.section != PrintSection::Extended || m_session.extendedMode);
}

PrintSection PrintSelectionRules::NextBox(PrintSection from) const {
    const std::size_t count = PrintSectionTable().size();
    for (std::size_t step = 1; step <= count; ++step) {
        const auto next = static_cast<PrintSection>((static_cast<std::size_t>(from) + step) % count);
        if (Offered(next))
            return next;
    }
    return from;
}

} // namespace rpx
