#include "cli/cli_link_ui.h"

#include "core/link/data_password_dialog.h"

namespace rpx::cli {

bool CliLinkUi::RunDataPasswordDialog(DataPasswordDialog& dialog) {
    if (m_password)
        return dialog.Ok(*m_password); // a wrong one is reported, then the dialog is cancelled
    if (!m_interactive)
        return false;
    m_out << m_texts.GetText(DataPasswordDialog::kTitle) << "\n"
          << m_texts.GetText(DataPasswordDialog::kMessageGroup, TextMode::WithoutMnemonics) << "\n  "
          << dialog.MessageLine1() << "\n  " << dialog.MessageLine2() << '\n';
    for (;;) {
        m_out << m_texts.GetText(DataPasswordDialog::kLabel, TextMode::WithoutMnemonics) << ' ' << std::flush;
        std::string typed;
        if (!std::getline(m_in, typed) || typed.empty())
            return false;
        if (dialog.Ok(typed))
            return true;
    }
}

} // namespace rpx::cli
