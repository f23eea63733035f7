#pragma once

#include <QFont>
#include <QPointer>
#include <QWidget>

#include "core/link/link_ui.h"
#include "core/text/language_table.h"
#include "gui/link/progress_window.h"
#include "gui/link/wait_window.h"

namespace rpx::gui {

// The windows of a radio or board operation. Every call may come from the operation's worker
// thread; the windows are made and answered on the window thread, and a call returns once done.
class GuiLinkUi : public LinkUi {
public:
    // owner: the window the operation's windows belong to; fixedFont: for the embedded message.
    GuiLinkUi(QWidget* owner, const LanguageTable& texts, const QFont& fixedFont);
    ~GuiLinkUi() override;
    GuiLinkUi(const GuiLinkUi&) = delete;
    GuiLinkUi& operator=(const GuiLinkUi&) = delete;

    void ShowProgress(TextId title, int range) override;
    void SetProgress(int position) override;
    void CloseProgress() override;
    void ShowWaitWindow(TextId title, TextId text) override;
    void CloseWaitWindow() override;
    bool RunDataPasswordDialog(DataPasswordDialog& dialog) override;

private:
    QPointer<QWidget> m_owner;
    const LanguageTable& m_texts;
    QFont m_fixedFont;
    // Each exists only while shown.
    QPointer<ProgressWindow> m_progress;
    QPointer<WaitWindow> m_wait;
};

} // namespace rpx::gui
