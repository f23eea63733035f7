#pragma once

#include <deque>
#include <vector>

#include "core/app/messenger.h"

namespace rpx::test {

// Records every message and answers from a script; an unscripted message is answered with the
// first button (OK, Retry, Yes), so a test states only the answers it cares about.
class ScriptedMessenger : public Messenger {
public:
    void Answer(MessageAnswer answer) { m_answers.push_back(answer); }
    MessageAnswer Show(const Message& message) override;

    const std::vector<Message>& Shown() const { return m_shown; }
    // The first TextId of each message shown, in order (0 for a literal text).
    std::vector<TextId> ShownIds() const;
    void Clear() { m_shown.clear(); }

private:
    std::deque<MessageAnswer> m_answers;
    std::vector<Message> m_shown;
};

} // namespace rpx::test
