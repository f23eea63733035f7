#pragma once

#include <QDialog>
#include <QStackedWidget>
#include <QTabBar>

#include "core/features/dtmf_rules.h"
#include "gui/features/alert_tone_page.h"

namespace rpx::gui {

class DtmfSettingsPage;
class DtmfMemoryPage;

// Edit > DTMF: the encode/decode, autodial memory and special alert tone pages over one DtmfRules.
// Every change is in the image at once; Cancel puts every byte back (the rules do, when they end
// without OK). A page change first stores the field being edited, then asks the rules.
class DtmfDialog : public QDialog {
    Q_OBJECT

public:
    // Help of each page: encode/decode (the command's own page), memories, special alert tone.
    static constexpr int kHelpContexts[] = {1364, 1379, 1380};

    // play sounds the tone page's sequence; without one PLAY stays greyed.
    DtmfDialog(DtmfRules& rules, Notifier& notifier, const QFont& codeFont, const PlayTones& play,
               QWidget* parent);

    void accept() override;
    void reject() override;

private:
    // Stores the field holding the focus; false when it was refused (and the message shown).
    bool CommitFocused();
    void ChangePage(int to);
    void ShowPage(int page);

    DtmfRules& m_rules;
    Notifier& m_notifier;
    QTabBar* m_tabs;
    QStackedWidget* m_pages;
    DtmfSettingsPage* m_settings;
    DtmfMemoryPage* m_memory;
};

// Opens the dialog over parent and returns once it is closed: true after OK.
bool RunDtmfDialog(Session& session, Notifier& notifier, const QFont& codeFont, const PlayTones& play,
                   QWidget* parent);

} // namespace rpx::gui
