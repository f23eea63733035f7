#include "gui/features/spin_field.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

#include "gui/app/qt_text.h"

namespace rpx::gui {

SpinField::SpinField(int width, Step step, Leave leave, QWidget* parent)
    : QAbstractSpinBox(parent), m_width(width), m_step(std::move(step)), m_leave(std::move(leave)) {
    setContextMenuPolicy(Qt::NoContextMenu);
    const int characters = std::max(width, 6) + 2;
    setMinimumWidth(fontMetrics().averageCharWidth() * characters + 24);
    connect(this, &QAbstractSpinBox::editingFinished, this, &SpinField::Commit);
}

void SpinField::Show(const std::string& text) {
    m_shown = ToQt(text);
    lineEdit()->setText(m_shown);
}

void SpinField::Commit() {
    Show(m_leave(FromQt(lineEdit()->text())));
}

void SpinField::stepBy(int steps) {
    Show(m_step(steps < 0 ? -1 : 1));
    selectAll();
}

QValidator::State SpinField::validate(QString& input, int&) const {
    if (input == m_shown)
        return QValidator::Acceptable;
    const bool digits = std::all_of(input.begin(), input.end(), [](QChar c) { return c.isDigit(); });
    return digits && input.size() <= m_width ? QValidator::Acceptable : QValidator::Invalid;
}

void SpinField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier)
        return;
    QAbstractSpinBox::keyPressEvent(event);
}

} // namespace rpx::gui
