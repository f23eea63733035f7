#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "core/link/link_ui.h"
#include "core/text/language_table.h"

namespace rpx::cli {

// The windows of a radio operation on a terminal: progress is not shown; the data password comes
// from --password, else from the terminal when there is one (typed unseen; an empty line cancels),
// else the dialog is cancelled with a word on how to give it.
class CliLinkUi : public LinkUi {
public:
    CliLinkUi(const LanguageTable& texts, std::optional<std::string> password, std::istream& in,
              std::ostream& out, bool interactive)
        : m_texts(texts), m_password(std::move(password)), m_in(in), m_out(out), m_interactive(interactive) {}

    void ShowProgress(TextId, int) override {}
    void SetProgress(int) override {}
    void CloseProgress() override {}
    void ShowWaitWindow(TextId, TextId) override {}
    void CloseWaitWindow() override {}
    bool RunDataPasswordDialog(DataPasswordDialog& dialog) override;

private:
    const LanguageTable& m_texts;
    std::optional<std::string> m_password;
    std::istream& m_in;
    std::ostream& m_out;
    bool m_interactive;
};

} // namespace rpx::cli
