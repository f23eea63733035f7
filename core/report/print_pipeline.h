#pragma once

#include <ctime>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/link/test_mode_state.h"
#include "core/report/print_page.h"
#include "core/report/print_sections.h"
#include "core/report/section_printers.h"

namespace rpx {

// The four steps of every print job (print, preview, PDF) and what they leave for the next job. A
// job started from the selection dialog prints the selected sections; any other job (the preview,
// the test mode's print) is the one tuning-data page.
class PrintPipeline {
public:
    PrintPipeline(Session& session, Notifier& notifier, const TestModeState& testMode)
        : m_session(session), m_notifier(notifier), m_testMode(testMode) {}

    // The selection dialog's OK: the next job prints these sections.
    void RequestFromDialog(const PrintSelection& selection);
    bool RequestedFromDialog() const { return m_fromDialog; }

    // Assigns the page numbers; returns the job's page count.
    int OnPreparePrinting();
    // Formats the job's date and time once, for every page.
    void OnBeginPrinting(const std::tm& now);
    // Page 1..count, header included.
    PrintPage OnPrint(int page);
    // The next job without the dialog is a one-page job again; the job has ended.
    void OnEndPrinting();
    bool JobEnded() const { return m_jobEnded; }

    // The first page of a section in the prepared job, 0 when it is not printed.
    int PageOf(PrintSection section) const { return FirstPageOf(m_plan, section); }
    const JobClock& Clock() const { return m_clock; }

private:
    void PrintSectionPage(PrintPage& page, const PlannedPage& planned);
    // The SmarTrunk settings as the dialog's three pages show them.
    BoardSettingsText BoardSettingsShown() const;

    Session& m_session;
    Notifier& m_notifier;
    const TestModeState& m_testMode;
    PrintSelection m_selection;
    bool m_fromDialog = false;
    bool m_jobEnded = false;
    std::vector<PlannedPage> m_plan;
    JobClock m_clock;
};

} // namespace rpx
