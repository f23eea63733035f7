#include "cli/cli_messenger.h"

namespace rpx::cli {

MessageAnswer CliMessenger::Show(const Message& message) {
    m_out << message.caption << ": " << message.text << '\n';
    switch (message.buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return m_yes ? MessageAnswer::Ok : MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        return m_yes ? MessageAnswer::Yes : MessageAnswer::No;
    case MessageButtons::RetryCancel:
        if (m_retries == 0)
            return MessageAnswer::Cancel;
        --m_retries;
        return MessageAnswer::Retry;
    }
    return MessageAnswer::Cancel;
}

} // namespace rpx::cli
