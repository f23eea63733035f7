#include "core/report/print_sections.h"

#include <algorithm>

namespace rpx {

namespace {

const std::array<PrintSectionInfo, kPrintSectionCount> kSections = {{
    {PrintSection::Channel, 1015, 3008007, "channel"},
    {PrintSection::Optional, 1016, 3002103, "optional"},
    {PrintSection::Key, 1020, 3002105, "key"},
    {PrintSection::Scan, 1068, 3007005, "scan"},
    {PrintSection::Dtmf, 1067, 3013023, "dtmf"},
    {PrintSection::Emergency, 1017, 3006019, "emergency"},
    {PrintSection::TestFrequency, 1021, 3002107, "test-frequency"},
    {PrintSection::EmbeddedMessage, 1022, 3002109, "message"},
    {PrintSection::Orbicall, 1023, 3019041, "orbicall"},
    {PrintSection::FunctionPort, 1018, 3017001, "function-port"},
    {PrintSection::SmarTrunk, 1019, 3019013, "smartrunk"},
    {PrintSection::SmarTrunkChannel, 1024, 3019013, "smartrunk-channel"},
    {PrintSection::Extended, 1014, 3002119, "extended"},
}};

} // namespace

const std::array<PrintSectionInfo, kPrintSectionCount>& PrintSectionTable() {
    return kSections;
}

const PrintSectionInfo& InfoOf(PrintSection section) {
    return kSections[static_cast<std::size_t>(section)];
}

const PrintSectionInfo* FindPrintSection(std::string_view name) {
    const auto it = std::ranges::find(kSections, name, &PrintSectionInfo::name);
    return it == kSections.end() ? nullptr : &*it;
}

std::vector<PlannedPage> PlanPages(const PrintSelection& selection, bool group2Usable) {
    std::vector<PlannedPage> plan;
    for (const PrintSectionInfo& info : kSections) {
        if (!Has(selection, info.section))
            continue;
        const bool twoPages = info.section == PrintSection::SmarTrunkChannel ||
                              (info.section == PrintSection::Channel && group2Usable);
        for (int part = 0; part < (twoPages ? 2 : 1); ++part)
            plan.push_back({info.section, part});
    }
    return plan;
}

int FirstPageOf(const std::vector<PlannedPage>& plan, PrintSection section) {
    const auto it = std::ranges::find(plan, section, &PlannedPage::section);
    return it == plan.end() ? 0 : static_cast<int>(it - plan.begin()) + 1;
}

} // namespace rpx
