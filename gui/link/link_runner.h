#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace rpx::gui {

// Runs a radio or board operation on a worker thread while the window thread goes on painting and
// answering the operation's windows. The program is modal in effect meanwhile: the window passed
// in is disabled (windows the operation opens stay usable) and refuses to close.
class LinkRunner : public QObject {
    Q_OBJECT

public:
    // Call on the window thread. Returns once the operation has finished (an exception it threw is
    // thrown again here); false, without running it, while another operation runs.
    bool Run(QWidget* window, std::function<void()> operation);
    bool Running() const { return m_running; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_running = false;
};

} // namespace rpx::gui
