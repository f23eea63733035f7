#pragma once

#include <QDialog>
#include <QTabWidget>

#include "core/trunking/smartrunk_rules.h"

namespace rpx::gui {

class SmarTrunkBasicPage;
class SmarTrunkTablePage;

// Edit > SmarTrunk: the board settings in three pages, the new access code, and the board file.
// Every change is in the board settings at once; Cancel puts every character back (the rules do,
// when they end without OK).
class SmarTrunkDialog : public QDialog {
    Q_OBJECT

public:
    // Context help of the basic, speed-dial and code-list pages.
    static constexpr int kHelpContexts[] = {1538, 1539, 1537};

    SmarTrunkDialog(SmarTrunkRules& rules, Notifier& notifier, const std::string& directory, QWidget* parent);

    void accept() override;

private:
    void OnAccessCode();
    void OnOpenBoardFile();
    void OnSaveBoardFile();

    SmarTrunkRules& m_rules;
    Notifier& m_notifier;
    std::string m_directory;
    QTabWidget* m_pages;
    SmarTrunkBasicPage* m_basic;
    SmarTrunkTablePage* m_speedDial;
    SmarTrunkTablePage* m_codeList;
};

// Opens the dialog over parent and returns once it is closed: true after OK.
bool RunSmarTrunkDialog(Session& session, Notifier& notifier, QWidget* parent);

} // namespace rpx::gui
