#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <type_traits>
#include <utility>

namespace rpx::gui {

// Runs f on the window thread and waits for it: radio operations run on a worker thread, but
// every window they need is shown and answered on the window thread.
template <typename F>
auto OnGuiThread(F&& f) -> std::invoke_result_t<F> {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || QThread::currentThread() == app->thread())
        return f();
    if constexpr (std::is_void_v<std::invoke_result_t<F>>) {
        QMetaObject::invokeMethod(app, std::forward<F>(f), Qt::BlockingQueuedConnection);
    } else {
        std::invoke_result_t<F> result{};
        QMetaObject::invokeMethod(
            app, [&] { result = f(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

} // namespace rpx::gui
