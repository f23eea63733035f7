#include "tests/support/scripted_messenger.h"

namespace rpx::test {

MessageAnswer ScriptedMessenger::Show(const Message& message) {
    m_shown.push_back(message);
    if (!m_answers.empty()) {
        const MessageAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    switch (message.buttons) {
    case MessageButtons::RetryCancel:
        return MessageAnswer::Retry;
    case MessageButtons::YesNo:
        return MessageAnswer::Yes;
    default:
        return MessageAnswer::Ok;
    }
}

std::vector<TextId> ScriptedMessenger::ShownIds() const {
    std::vector<TextId> ids;
    for (const Message& m : m_shown)
        ids.push_back(m.textIds.empty() ? 0 : m.textIds.front());
    return ids;
}

} // namespace rpx::test
