#pragma once

#include <QDialog>

namespace rpx::gui {

// The modeless window shown while test mode starts. The user cannot dismiss it: it goes when the
// radio has answered.
class WaitWindow : public QDialog {
    Q_OBJECT

public:
    WaitWindow(const QString& title, const QString& text, QWidget* parent);

    void reject() override {}
};

} // namespace rpx::gui
