#pragma once

#include <QPointer>
#include <QWidget>

#include "core/app/messenger.h"

namespace rpx::gui {

// Shows each message as a message box owned by the main window, on the window thread whichever
// thread asks.
class GuiMessenger : public Messenger {
public:
    void SetOwner(QWidget* owner) { m_owner = owner; }
    MessageAnswer Show(const Message& message) override;

private:
    QPointer<QWidget> m_owner;
};

} // namespace rpx::gui
