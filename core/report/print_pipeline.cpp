#include "core/report/print_pipeline.h"

#include "core/editor/channel_grid_editor.h"
#include "core/trunking/smartrunk_rules.h"

namespace rpx {

void PrintPipeline::RequestFromDialog(const PrintSelection& selection) {
    m_selection = selection;
    m_fromDialog = true;
}

int PrintPipeline::OnPreparePrinting() {
    m_jobEnded = false;
    if (!m_fromDialog) {
        m_plan.clear();
        return 1;
    }
    m_plan = PlanPages(m_selection, ChannelGridEditor(m_session, m_notifier).IsGroup2Enabled());
    return static_cast<int>(m_plan.size());
}

void PrintPipeline::OnBeginPrinting(const std::tm& now) {
    m_clock = FormatJobClock(now);
}

PrintPage PrintPipeline::OnPrint(int page) {
    PrintPage printed;
    PrintPageHeader(printed, m_session, m_notifier.Texts(), m_clock);
    if (!m_fromDialog)
        PrintTuningData(printed, m_testMode, m_notifier.Texts());
    else if (page >= 1 && page <= static_cast<int>(m_plan.size()))
        PrintSectionPage(printed, m_plan[static_cast<std::size_t>(page - 1)]);
    return printed;
}

void PrintPipeline::OnEndPrinting() {
    m_fromDialog = false;
    m_jobEnded = true;
}

BoardSettingsText PrintPipeline::BoardSettingsShown() const {
    // The dialog's rules, closed without OK: they change nothing.
    const SmarTrunkRules rules(m_session, m_notifier);
    BoardSettingsText board;
    for (const SmarTrunkRules::Row& row : rules.BasicRows())
        board.basic.emplace_back(row.label, row.shown);
    for (int row = 0; row < BoardImage::Limit::kSpeedDialEntries; ++row)
        board.speedDial.emplace_back(rules.SpeedDialLabel(row), rules.SpeedDial(row));
    for (int entry = 0; entry < BoardImage::Limit::kCodeListEntries; ++entry)
        board.codeList.push_back(rules.CodeListEntry(entry));
    return board;
}

void PrintPipeline::PrintSectionPage(PrintPage& page, const PlannedPage& planned) {
    switch (planned.section) {
    case PrintSection::Channel:
        PrintChannelSection(page, m_session, m_notifier, planned.part);
        break;
    case PrintSection::SmarTrunk:
        PrintBoardSettings(page, m_notifier.Texts(), BoardSettingsShown());
        break;
    case PrintSection::SmarTrunkChannel:
        PrintBoardChannels(page, m_session.image, m_notifier.Texts(), planned.part);
        break;
    case PrintSection::Orbicall:
        PrintOrbicallSection(page, m_session, m_notifier.Texts());
        break;
    default:
        PrintFeatureSection(page, m_session, m_notifier, planned.section);
        break;
    }
}

} // namespace rpx
