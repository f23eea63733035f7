#pragma once

#include <string>
#include <vector>

#include "core/text/text_id.h"

namespace rpx {

enum class MessageButtons { Ok, OkCancel, RetryCancel, YesNo };
enum class MessageIcon { None, Stop, Question, Exclamation, Information };
enum class MessageAnswer { Ok, Cancel, Retry, Yes, No };
// Which button has the focus when the box opens: the first (OK, Retry, Yes) or the second.
enum class DefaultButton { First, Second };

// One message box: what the user reads and what they may answer.
struct Message {
    std::vector<TextId> textIds; // the TextIds the text is made of, in order (empty for a literal text)
    TextId captionId = 0;        // 0 for an empty or literal caption
    std::string text;
    std::string caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    DefaultButton defaultButton = DefaultButton::First;
};

// Every message box of the program goes through this seam: the window shows a box, the
// command line prints and answers by its flags, tests script the answers.
class Messenger {
public:
    virtual ~Messenger() = default;
    virtual MessageAnswer Show(const Message& message) = 0;
};

} // namespace rpx
