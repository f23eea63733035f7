#pragma once

#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/link/test_mode_state.h"
#include "core/report/print_page.h"
#include "core/report/print_sections.h"

namespace rpx {

// The date and time of a print job, formatted once when it begins and printed on every page.
struct JobClock {
    std::string date; // "%m /%d/%Y ": "03 /07/2024 "
    std::string time; // "%H:%M  ": "14:05  "
};
JobClock FormatJobClock(const std::tm& when);

// Columns of a body line, in average character widths: the title, then up to two label/value pairs.
struct BodyColumn {
    static constexpr int kTitle = 15, kLabel = 20, kValue = 50, kLabel2 = 80, kValue2 = 110;
};

// The header every page starts with: title, job date and time, model, band, type and data file
// between two lines across the page.
void PrintPageHeader(PrintPage& page, const Session& session, const LanguageTable& texts,
                     const JobClock& clock);

// The body of each section; part 1 is the second page of a two-page section.
void PrintChannelSection(PrintPage& page, Session& session, Notifier& notifier, int part);
// A section whose feature dialog is registered under the section's name: the dialog's fields with
// its labels and the texts it shows.
void PrintFeatureSection(PrintPage& page, Session& session, Notifier& notifier, PrintSection section);
void PrintOrbicallSection(PrintPage& page, const Session& session, const LanguageTable& texts);
// The trunking board's settings as the SmarTrunk dialog shows them: its basic page's label and
// shown text of each field, the speed-dial memories (row label, digits) and the code list's entries.
struct BoardSettingsText {
    std::vector<std::pair<std::string, std::string>> basic;
    std::vector<std::pair<std::string, std::string>> speedDial;
    std::vector<std::string> codeList;
};
void PrintBoardSettings(PrintPage& page, const LanguageTable& texts, const BoardSettingsText& board);
// The trunking groups' channels: groups 1 and 2 on part 0, 3 and 4 on part 1.
void PrintBoardChannels(PrintPage& page, const RadioImage& image, const LanguageTable& texts, int part);
void PrintTuningData(PrintPage& page, const TestModeState& state, const LanguageTable& texts);

} // namespace rpx
