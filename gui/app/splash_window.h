#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <chrono>

#include "core/text/language_table.h"

namespace rpx::gui {

// The picture shown while the program starts. It goes away by itself after its lifetime, or at the
// first key or mouse-button press anywhere in the program, which it swallows; it then deletes itself.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    explicit SplashWindow(const LanguageTable& texts,
                          std::chrono::milliseconds lifetime = std::chrono::milliseconds(5000));
    ~SplashWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPixmap m_picture;
    QTimer m_timer;
};

} // namespace rpx::gui
