#include "gui/features/key_panel_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace rpx::gui {

namespace {

const QColor kBody(0x3a, 0x3f, 0x46);
const QColor kBezel(0x23, 0x27, 0x2c);
const QColor kDisplay(0x9f, 0xb8, 0x8f);
const QColor kKey(0x5c, 0x63, 0x6d);
const QColor kKeyText(0xe8, 0xea, 0xed);
const QColor kLit(0xf0, 0xa0, 0x30);

// A key cap in rect with its number; lit keys glow.
void PaintKey(QPainter& painter, const QRectF& rect, int key, bool lit) {
    painter.setPen(QPen(lit ? kLit.lighter(130) : kBezel, lit ? 2.0 : 1.0));
    painter.setBrush(lit ? kLit : kKey);
    painter.drawRoundedRect(rect, rect.height() / 5, rect.height() / 5);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(rect.height() * 0.6));
    painter.setFont(font);
    painter.setPen(lit ? kBezel : kKeyText);
    painter.drawText(rect, Qt::AlignCenter, QString::number(key + 1));
}

} // namespace

KeyPanelPicture::KeyPanelPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize);
}

void KeyPanelPicture::SetLitKey(int key) {
    if (key == m_litKey)
        return;
    m_litKey = key;
    update();
}

QPixmap KeyPanelPicture::KeySymbol(int key) {
    QPixmap pixmap(17, 19);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintKey(painter, QRectF(0.5, 1.5, 16, 16), key, false);
    return pixmap;
}

void KeyPanelPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(kBezel, 2));
    painter.setBrush(kBody);
    painter.drawRoundedRect(body, 10, 10);

    // Speaker grille on the left, display in the middle, the two keys on the right.
    painter.setPen(QPen(kBezel, 2));
    for (int slot = 0; slot < 6; ++slot) {
        const qreal y = 16 + slot * 9;
        painter.drawLine(QPointF(14, y), QPointF(56, y));
    }
    const QRectF display(70, 16, 92, 30);
    painter.setPen(QPen(kBezel, 2));
    painter.setBrush(kDisplay);
    painter.drawRoundedRect(display, 4, 4);
    painter.setPen(kBezel);
    QFont font = painter.font();
    font.setPixelSize(14);
    painter.setFont(font);
    painter.drawText(display, Qt::AlignCenter, QStringLiteral("CH 1"));

    for (int key = 0; key < 2; ++key)
        PaintKey(painter, QRectF(176 + key * 32, 18, 26, 26), key, key == m_litKey);
    // A knob under the display, for the look of a radio front.
    painter.setPen(QPen(kBezel, 2));
    painter.setBrush(kKey);
    painter.drawEllipse(QPointF(116, 62), 8, 8);
}

} // namespace rpx::gui
