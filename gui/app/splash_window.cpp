#include "gui/app/splash_window.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

#include "core/text/text_ids.h"
#include "gui/app/about_dialog.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kRadios = 1005011;
constexpr TextId kCopyright = 1005007;
constexpr TextId kCopyrightHolder = 1005009;
constexpr QSize kPictureSize(420, 260);
constexpr int kIconSize = 56;
constexpr int kIconTop = 14;

struct TextLine {
    QString text;
    int y; // top of the line, in pixels from the top of the picture
};

void DrawBackground(QPainter& painter) {
    const QRect area(QPoint(0, 0), kPictureSize);
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0.0, QColor(0xC9, 0xD9, 0xEA));
    gradient.setColorAt(0.45, QColor(0xF2, 0xF6, 0xFA));
    gradient.setColorAt(1.0, QColor(0x9F, 0xB8, 0xD2));
    painter.fillRect(area, gradient);
    painter.setPen(QColor(0x4A, 0x62, 0x7C));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    const QPixmap icon = QIcon(QStringLiteral(":/icons/rpx41c.png")).pixmap(kIconSize);
    painter.drawPixmap((kPictureSize.width() - kIconSize) / 2, kIconTop, icon);
}

// Each line is centred, first in white one pixel down and right, then in black, so it stands out
// on any part of the picture.
void DrawLine(QPainter& painter, const TextLine& line) {
    const int height = painter.fontMetrics().height();
    const QRect place(0, line.y, kPictureSize.width(), height);
    painter.setPen(Qt::white);
    painter.drawText(place.translated(1, 1), Qt::AlignHCenter | Qt::AlignTop, line.text);
    painter.setPen(Qt::black);
    painter.drawText(place, Qt::AlignHCenter | Qt::AlignTop, line.text);
}

QPixmap DrawPicture(const LanguageTable& texts, const QFont& font, qreal pixelRatio) {
    // Drawn at the screen's pixel density, so text and icon stay sharp on a high-resolution screen.
    QPixmap picture(kPictureSize * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    DrawBackground(painter);
    const TextLine lines[] = {
        {Tr(texts, txt::kProgramName), 80}, {Tr(texts, kRadios), 105},
        {VersionLine(texts), 140},          {ReleaseLine(texts), 165},
        {Tr(texts, kCopyright), 200},       {QStringLiteral("2001 ") + Tr(texts, kCopyrightHolder), 225},
    };
    for (const TextLine& line : lines)
        DrawLine(painter, line);
    return picture;
}

bool IsPress(const QEvent& event) {
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

} // namespace

SplashWindow::SplashWindow(const LanguageTable& texts, std::chrono::milliseconds lifetime)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      m_picture(DrawPicture(texts, font(), devicePixelRatioF())) {
    setAttribute(Qt::WA_DeleteOnClose);
    // The main window keeps the keyboard; the splash only watches it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kPictureSize);
    QRect place(QPoint(0, 0), kPictureSize);
    place.moveCenter(screen()->availableGeometry().center());
    move(place.topLeft());
    m_timer.setSingleShot(true);
    m_timer.setInterval(lifetime);
    connect(&m_timer, &QTimer::timeout, this, &SplashWindow::close);
    qApp->installEventFilter(this);
}

SplashWindow::~SplashWindow() {
    qApp->removeEventFilter(this);
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!isVisible())
        return QWidget::eventFilter(watched, event);
    // Accepting the shortcut check keeps a shortcut key such as F1 from running its command.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (!IsPress(*event))
        return QWidget::eventFilter(watched, event);
    close();
    return true;
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void SplashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_timer.start();
}

} // namespace rpx::gui
