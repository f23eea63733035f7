#include "gui/link/link_runner.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include <atomic>
#include <exception>
#include <thread>

namespace rpx::gui {

bool LinkRunner::Run(QWidget* window, std::function<void()> operation) {
    if (m_running)
        return false;
    m_running = true;

    const QPointer<QWidget> blocked = window;
    QPointer<QWidget> focus;
    bool wasEnabled = true;
    if (blocked != nullptr) {
        focus = blocked->focusWidget();
        wasEnabled = blocked->isEnabled();
        blocked->installEventFilter(this);
        blocked->setEnabled(false);
    }

    QEventLoop loop;
    std::atomic<bool> done = false;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            operation();
        } catch (...) {
            failure = std::current_exception();
        }
        done = true;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    // The loop also ends when the application is quitting; the operation's windows must still be
    // served until it returns.
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    worker.join();

    if (blocked != nullptr) {
        blocked->setEnabled(wasEnabled);
        blocked->removeEventFilter(this);
        if (focus != nullptr)
            focus->setFocus();
    }
    m_running = false;
    if (failure)
        std::rethrow_exception(failure);
    return true;
}

bool LinkRunner::eventFilter(QObject* watched, QEvent* event) {
    // Closing the window would pull the session from under the running operation.
    if (event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace rpx::gui
