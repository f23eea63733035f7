#include "gui/link/gui_link_ui.h"

#include "gui/app/on_gui_thread.h"
#include "gui/app/qt_text.h"
#include "gui/link/data_password_view.h"

namespace rpx::gui {

namespace {

template <typename Window, typename... Args> void ShowAnew(QPointer<Window>& window, Args&&... args) {
    delete window.data();
    window = new Window(std::forward<Args>(args)...);
    window->show();
}

} // namespace

GuiLinkUi::GuiLinkUi(QWidget* owner, const LanguageTable& texts, const QFont& fixedFont)
    : m_owner(owner), m_texts(texts), m_fixedFont(fixedFont) {}

GuiLinkUi::~GuiLinkUi() {
    delete m_progress.data();
    delete m_wait.data();
}

void GuiLinkUi::ShowProgress(TextId title, int range) {
    OnGuiThread([&] { ShowAnew(m_progress, Tr(m_texts, title), range, m_owner.data()); });
}

void GuiLinkUi::SetProgress(int position) {
    OnGuiThread([&] {
        if (m_progress != nullptr)
            m_progress->SetPosition(position);
    });
}

void GuiLinkUi::CloseProgress() {
    OnGuiThread([&] { delete m_progress.data(); });
}

void GuiLinkUi::ShowWaitWindow(TextId title, TextId text) {
    OnGuiThread([&] { ShowAnew(m_wait, Tr(m_texts, title), Tr(m_texts, text), m_owner.data()); });
}

void GuiLinkUi::CloseWaitWindow() {
    OnGuiThread([&] { delete m_wait.data(); });
}

bool GuiLinkUi::RunDataPasswordDialog(DataPasswordDialog& dialog) {
    return OnGuiThread([&] {
        DataPasswordView view(dialog, m_texts, m_fixedFont, m_owner.data());
        return view.exec() == QDialog::Accepted;
    });
}

} // namespace rpx::gui
