#pragma once

#include <array>
#include <bitset>
#include <string_view>
#include <vector>

#include "core/text/text_id.h"

namespace rpx {

// The page groups a printed record can hold, in the order their pages are numbered.
enum class PrintSection {
    Channel,
    Optional,
    Key,
    Scan,
    Dtmf,
    Emergency,
    TestFrequency,
    EmbeddedMessage,
    Orbicall,
    FunctionPort,
    SmarTrunk,
    SmarTrunkChannel,
    Extended,
};
inline constexpr std::size_t kPrintSectionCount = 13;

// What the selection dialog shows for a section and what prints it.
struct PrintSectionInfo {
    PrintSection section;
    int boxId;             // the check box's control id
    TextId title;          // its text and the section title
    std::string_view name; // the command line's name, also the feature rules' name where one prints it
};
const std::array<PrintSectionInfo, kPrintSectionCount>& PrintSectionTable();
const PrintSectionInfo& InfoOf(PrintSection section);
// The section named name on the command line; nothing for an unknown name.
const PrintSectionInfo* FindPrintSection(std::string_view name);

using PrintSelection = std::bitset<kPrintSectionCount>;
inline bool Has(const PrintSelection& selection, PrintSection section) {
    return selection.test(static_cast<std::size_t>(section));
}
inline void Select(PrintSelection& selection, PrintSection section, bool on = true) {
    selection.set(static_cast<std::size_t>(section), on);
}

// One page of a job: the section it prints and which of the section's pages it is (0 or 1).
struct PlannedPage {
    PrintSection section;
    int part;
    bool operator==(const PlannedPage&) const = default;
};

// The pages of the selected sections in table order; page n of the job is element n - 1. The
// channel section takes two pages while group 2 can be used, the SmarTrunk channels always two.
std::vector<PlannedPage> PlanPages(const PrintSelection& selection, bool group2Usable);
// The first page number of section in the plan, 0 when it is not selected.
int FirstPageOf(const std::vector<PlannedPage>& plan, PrintSection section);

} // namespace rpx
