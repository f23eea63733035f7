#pragma once

#include <QDialog>

class QProgressBar;

namespace rpx::gui {

// The modeless window that shows how far a transfer has gone. The user cannot dismiss it: it goes
// when the transfer ends.
class ProgressWindow : public QDialog {
    Q_OBJECT

public:
    // A bar over 0..range, at 0.
    ProgressWindow(const QString& title, int range, QWidget* parent);

    void SetPosition(int position);

    void reject() override {}

private:
    QProgressBar* m_bar;
};

} // namespace rpx::gui
