#include "cli/cli_link_ui.h"

#include <termios.h>
#include <unistd.h>

#include "core/link/data_password_dialog.h"

namespace rpx::cli {

namespace {

// Keeps what is typed on the terminal from being shown while it lives.
class HiddenTyping {
public:
    HiddenTyping() : m_hidden(tcgetattr(STDIN_FILENO, &m_saved) == 0) {
        if (!m_hidden)
            return;
        termios quiet = m_saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        m_hidden = tcsetattr(STDIN_FILENO, TCSANOW, &quiet) == 0;
    }
    ~HiddenTyping() {
        if (m_hidden)
            tcsetattr(STDIN_FILENO, TCSANOW, &m_saved);
    }
    HiddenTyping(const HiddenTyping&) = delete;
    HiddenTyping& operator=(const HiddenTyping&) = delete;

private:
    termios m_saved{};
    bool m_hidden;
};

} // namespace

bool CliLinkUi::RunDataPasswordDialog(DataPasswordDialog& dialog) {
    if (m_password)
        return dialog.Ok(*m_password); // a wrong one is reported, then the dialog is cancelled
    if (!m_interactive) {
        m_out << "The radio asks for its data password and there is no terminal to ask on: give it with "
                 "--password.\n";
        return false;
    }
    m_out << m_texts.GetText(DataPasswordDialog::kTitle) << "\n"
          << m_texts.GetText(DataPasswordDialog::kMessageGroup, TextMode::WithoutMnemonics) << "\n  "
          << dialog.MessageLine1() << "\n  " << dialog.MessageLine2() << '\n';
    for (;;) {
        m_out << m_texts.GetText(DataPasswordDialog::kLabel, TextMode::WithoutMnemonics) << ' ' << std::flush;
        std::string typed;
        {
            const HiddenTyping hidden;
            if (!std::getline(m_in, typed))
                typed.clear();
        }
        m_out << '\n'; // the Enter that ended the line was not shown either
        if (typed.empty())
            return false;
        if (dialog.Ok(typed))
            return true;
    }
}

} // namespace rpx::cli
