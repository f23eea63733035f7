#include "gui/features/half_second_field.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "core/features/scan_rules.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

HalfSecondField::HalfSecondField(QWidget* parent) : QAbstractSpinBox(parent) {
    lineEdit()->setMaxLength(static_cast<int>(ScanRules::Limit::kTimeTextLength));
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] { emit committed(lineEdit()->text()); });
}

void HalfSecondField::ShowHalfSeconds(int halfSeconds) {
    m_position = halfSeconds;
    lineEdit()->setText(ToQt(ScanRules::HalfSecondsText(halfSeconds)));
}

void HalfSecondField::stepBy(int steps) {
    m_position = ScanRules::SpinStep(FromQt(lineEdit()->text()), m_position, steps < 0 ? -1 : 1);
    lineEdit()->setText(ToQt(ScanRules::HalfSecondsText(m_position)));
}

void HalfSecondField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier)
        return;
    // Typed characters pass the field's filter; editing and navigation keys are the spin box's.
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].isPrint() &&
        !ScanRules::AcceptsTimeCharacter(static_cast<std::size_t>(lineEdit()->cursorPosition()),
                                         typed[0].toLatin1()))
        return;
    QAbstractSpinBox::keyPressEvent(event);
}

} // namespace rpx::gui
