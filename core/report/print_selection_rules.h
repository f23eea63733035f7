#pragma once

#include <string>

#include "core/app/session.h"
#include "core/report/print_sections.h"
#include "core/text/language_table.h"

namespace rpx {

// The section selection dialog of Print and Export PDF: which boxes stand, which can be checked,
// select-all and clear-all, when OK can be pressed and where Enter moves. Every opening starts with
// no box checked.
class PrintSelectionRules {
public:
    static constexpr TextId kTitle = 3008001;
    static constexpr TextId kSelectAll = 3008003;
    static constexpr TextId kClearAll = 3008005;
    static constexpr TextId kPrintSetup = 3002045;

    explicit PrintSelectionRules(const Session& session) : m_session(session) {}

    // "SmarTrunk - Channel" for the channel pages of the board, the section title otherwise.
    static std::string BoxText(PrintSection section, const LanguageTable& texts);
    // The extended-settings box stands only while the hidden functions are on.
    bool IsVisible(PrintSection section) const;
    // SmarTrunk boxes need the trunking port mode; Orbicall and Function port the hidden functions
    // off and a frequency-range code other than 0x23.
    bool IsEnabled(PrintSection section) const;

    bool IsChecked(PrintSection section) const { return Has(m_selection, section); }
    // A click on a box; a hidden or disabled box stays unchecked.
    void Check(PrintSection section, bool on);
    // Checks every box the user could check, the extended box only in extended mode.
    void SelectAll();
    void ClearAll() { m_selection.reset(); }
    bool OkEnabled() const { return m_selection.any(); }
    // Enter on a box: the next box, in table order and wrapping, that can be checked.
    PrintSection NextBox(PrintSection from) const;

    const PrintSelection& Selection() const { return m_selection; }

private:
    bool Offered(PrintSection section) const { return IsVisible(section) && IsEnabled(section); }

    const Session& m_session;
    PrintSelection m_selection;
};

} // namespace rpx
