#include "core/app/notifier.h"

namespace rpx {

MessageAnswer Notifier::Show(TextId text, TextId caption, MessageButtons buttons, MessageIcon icon,
                             DefaultButton defaultButton) {
    return Show({text}, "", "", caption, buttons, icon, defaultButton);
}

MessageAnswer Notifier::Show(std::initializer_list<TextId> texts, std::string_view separator,
                             std::string_view suffix, TextId caption, MessageButtons buttons,
                             MessageIcon icon, DefaultButton defaultButton) {
    Message message;
    for (TextId id : texts) {
        if (!message.textIds.empty())
            message.text += separator;
        message.textIds.push_back(id);
        message.text += m_texts.GetText(id);
    }
    message.text += suffix;
    message.captionId = caption;
    message.caption = caption != 0 ? m_texts.GetText(caption) : "";
    message.buttons = buttons;
    message.icon = icon;
    message.defaultButton = defaultButton;
    return m_messenger.Show(message);
}

std::string Notifier::Filled(TextId text, std::string_view arg1, std::string_view arg2) const {
    const std::string pattern = m_texts.GetText(text);
    std::string filled;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            filled += pattern[++i] == '1' ? arg1 : arg2;
            continue;
        }
        filled += pattern[i];
    }
    return filled;
}

MessageAnswer Notifier::ShowFilled(TextId text, std::string_view arg1, std::string_view arg2, TextId caption,
                                   MessageButtons buttons, MessageIcon icon) {
    Message message;
    message.textIds = {text};
    message.text = Filled(text, arg1, arg2);
    message.captionId = caption;
    message.caption = m_texts.GetText(caption);
    message.buttons = buttons;
    message.icon = icon;
    return m_messenger.Show(message);
}

} // namespace rpx
