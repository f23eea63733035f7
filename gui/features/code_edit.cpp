#include "gui/features/code_edit.h"

#include <QKeyEvent>

namespace rpx::gui {

CodeEdit::CodeEdit(DtmfRules::Page page, bool stunCode, int width, QWidget* parent)
    : QLineEdit(parent), m_page(page), m_stunCode(stunCode) {
    setMaxLength(width);
    setContextMenuPolicy(Qt::NoContextMenu);
    setMinimumWidth(fontMetrics().averageCharWidth() * (width + 2));
}

void CodeEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier)
        return;
    const QString typed = event->text();
    if (typed.size() != 1 || !typed[0].isPrint()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (typed[0].unicode() > 0x7F) {
        if (m_page != DtmfRules::Page::Memory)
            QLineEdit::keyPressEvent(event);
        return;
    }
    const char c = DtmfRules::TypedCodeCharacter(m_page, m_stunCode, typed[0].toLatin1());
    if (c != 0)
        insert(QString(QChar::fromLatin1(c)));
}

} // namespace rpx::gui
