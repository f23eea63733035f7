#include "gui/features/spin_field.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace rpx::gui {

SpinField::SpinField(int width, QWidget* parent) : QAbstractSpinBox(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setMinimumWidth(fontMetrics().averageCharWidth() * 14);
    // Limits typing only: a shown name for 0 is longer than the digits.
    lineEdit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(width)), this));
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] { emit committed(lineEdit()->text()); });
}

void SpinField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier)
        return;
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].isDigit() && !lineEdit()->hasAcceptableInput())
        lineEdit()->selectAll();
    QAbstractSpinBox::keyPressEvent(event);
}

} // namespace rpx::gui
