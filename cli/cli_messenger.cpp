#include "cli/cli_messenger.h"

#include <algorithm>

#include "core/text/startup_texts.h"

namespace rpx::cli {

namespace {

constexpr TextId kModelDiffers = 3003041;
constexpr TextId kShortMemory = 3019111;
constexpr TextId kPortCannotOpen = 3003059; // sends the user to the window's port menu

bool Holds(const Message& message, TextId id) {
    return std::find(message.textIds.begin(), message.textIds.end(), id) != message.textIds.end();
}

} // namespace

MessageAnswer CliMessenger::Show(const Message& message) {
    const std::string text = CommandLineText(message);
    m_out << (message.caption.empty() ? text : message.caption + ": " + text) << '\n';
    switch (message.buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return Confirm(message) ? MessageAnswer::Ok : MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        return Confirm(message) ? MessageAnswer::Yes : MessageAnswer::No;
    case MessageButtons::RetryCancel:
        if (m_answers.retries == 0) {
            m_out << "Cancelled: --retries N answers Retry to the first N such errors.\n";
            return MessageAnswer::Cancel;
        }
        --m_answers.retries;
        return MessageAnswer::Retry;
    }
    return MessageAnswer::Cancel;
}

std::string CliMessenger::CommandLineText(const Message& message) const {
    std::string text = message.text;
    if (Holds(message, kPortCannotOpen)) {
        const std::string windowWords = m_texts.GetText(kPortCannotOpen);
        if (const std::size_t at = text.find(windowWords); !windowWords.empty() && at != std::string::npos)
            text.replace(at, windowWords.size(), m_texts.GetText(txt::kPortCannotOpenCli));
    }
    return text;
}

bool CliMessenger::Confirm(const Message& message) const {
    const bool protectsRadio = Holds(message, kModelDiffers) || Holds(message, kShortMemory);
    if (m_answers.yes && (m_answers.force || !protectsRadio))
        return true;
    const char* answer = message.buttons == MessageButtons::YesNo ? "Yes" : "OK";
    if (protectsRadio)
        m_out
            << "Not confirmed: this question protects the radio from wrong data; --yes with --force answers "
            << answer << ".\n";
    else
        m_out << "Not confirmed: --yes answers " << answer << ".\n";
    return false;
}

} // namespace rpx::cli
