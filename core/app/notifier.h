#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/app/messenger.h"
#include "core/text/language_table.h"

namespace rpx {

// Builds message boxes from TextIds and hands them to the Messenger.
class Notifier {
public:
    Notifier(Messenger& messenger, const LanguageTable& texts) : m_messenger(messenger), m_texts(texts) {}

    // Text and caption from the language files; caption 0 gives an empty caption.
    MessageAnswer Show(TextId text, TextId caption, MessageButtons buttons, MessageIcon icon,
                       DefaultButton defaultButton = DefaultButton::First);
    // A text made of several TextIds joined by separator, then followed by suffix.
    MessageAnswer Show(std::initializer_list<TextId> texts, std::string_view separator,
                       std::string_view suffix, TextId caption, MessageButtons buttons, MessageIcon icon,
                       DefaultButton defaultButton = DefaultButton::First);
    // A text with the placeholders %1 and %2 filled in.
    MessageAnswer ShowFilled(TextId text, std::string_view arg1, std::string_view arg2, TextId caption,
                             MessageButtons buttons, MessageIcon icon);
    MessageAnswer Show(const Message& message) { return m_messenger.Show(message); }

    // The text of id with the placeholders %1 and %2 filled in.
    std::string Filled(TextId id, std::string_view arg1, std::string_view arg2) const;

    const LanguageTable& Texts() const { return m_texts; }
    std::string Text(TextId id) const { return m_texts.GetText(id); }

private:
    Messenger& m_messenger;
    const LanguageTable& m_texts;
};

} // namespace rpx
