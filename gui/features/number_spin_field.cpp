#include "gui/features/number_spin_field.h"

#include <QKeyEvent>

#include "gui/app/qt_text.h"

namespace rpx::gui {

NumberSpinField::NumberSpinField(int width, QWidget* parent) : QAbstractSpinBox(parent), m_width(width) {
    setAlignment(Qt::AlignRight);
    setContextMenuPolicy(Qt::NoContextMenu);
    setMinimumWidth(fontMetrics().averageCharWidth() * (width + 8));
    connect(this, &QAbstractSpinBox::editingFinished, this, &NumberSpinField::Commit);
}

NumberSpinField* NumberSpinField::OverRules(int width, Step step, Leave leave, QWidget* parent) {
    auto* field = new NumberSpinField(width, parent);
    connect(field, &NumberSpinField::stepped, field, [field, step = std::move(step)](int direction) {
        field->ShowText(ToQt(step(direction)));
        field->selectAll();
    });
    connect(field, &NumberSpinField::committed, field,
            [field, leave = std::move(leave)](const QString& typed) {
                field->ShowText(ToQt(leave(FromQt(typed))));
            });
    return field;
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
        // The width limits typing only: the field must still show the whole off text.
        else if (shown.size() - lineEdit()->selectedText().size() >= m_width)
            return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

} // namespace rpx::gui
