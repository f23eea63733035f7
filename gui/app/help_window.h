#pragma once

#include <QTextBrowser>
#include <QWidget>

#include <string>

#include "core/text/language_table.h"

namespace rpx::gui {

// The program's help: one page per context number, shown in a window of its own that stays open
// beside the program.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(const LanguageTable& texts, const std::string& programDirectory);

    // Shows the page of context (the contents page when there is none) and brings the window up.
    void ShowContext(int context);
    int ShownContext() const { return m_shownContext; }
    QString PageText() const { return m_browser->toPlainText(); }

private:
    QString m_folder;
    QTextBrowser* m_browser;
    int m_shownContext = -1;
};

} // namespace rpx::gui
