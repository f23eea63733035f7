#include "gui/features/number_spin_field.h"

#include <QKeyEvent>

namespace rpx::gui {

NumberSpinField::NumberSpinField(int width, QWidget* parent) : QAbstractSpinBox(parent) {
    lineEdit()->setMaxLength(width);
    setAlignment(Qt::AlignRight);
    setContextMenuPolicy(Qt::NoContextMenu);
    setMinimumWidth(fontMetrics().averageCharWidth() * (width + 8));
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] { emit committed(lineEdit()->text()); });
}

void NumberSpinField::keyPressEvent(QKeyEvent* event) {
    // No pasting, so nothing but digits reaches the field.
    if (event->matches(QKeySequence::Paste) ||
        (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier))
        return;
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].isPrint()) {
        if (!typed[0].isDigit())
            return;
        const QString shown = lineEdit()->text();
        if (!shown.isEmpty() && !shown[0].isDigit())
            selectAll();
    }
    QAbstractSpinBox::keyPressEvent(event);
}

} // namespace rpx::gui
