#include "gui/app/gui_messenger.h"

#include <QMessageBox>

#include "gui/app/on_gui_thread.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonPair {
    QMessageBox::StandardButton first;
    QMessageBox::StandardButton second;
};

ButtonPair ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    case MessageButtons::RetryCancel:
        return {QMessageBox::Retry, QMessageBox::Cancel};
    case MessageButtons::YesNo:
        return {QMessageBox::Yes, QMessageBox::No};
    case MessageButtons::Ok:
        break;
    }
    return {QMessageBox::Ok, QMessageBox::NoButton};
}

MessageAnswer AnswerOf(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Cancel;
    }
}

} // namespace

MessageAnswer GuiMessenger::Show(const Message& message) {
    return OnGuiThread([&] {
        const ButtonPair pair = ButtonsOf(message.buttons);
        QMessageBox box(IconOf(message.icon), ToQt(message.caption),
                        ToQt(message.text), pair.first | pair.second, m_owner.data());
        box.setDefaultButton(message.defaultButton == DefaultButton::Second && pair.second != QMessageBox::NoButton
                                 ? pair.second
                                 : pair.first);
        return AnswerOf(box.exec());
    });
}

} // namespace rpx::gui
