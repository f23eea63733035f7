#include "gui/trunking/digit_spin_field.h"

#include <QLineEdit>

namespace rpx::gui {

DigitSpinField::DigitSpinField(int maximum, int maxDigits, Commit commit, QWidget* parent)
    : QSpinBox(parent), m_maxDigits(maxDigits), m_commit(std::move(commit)) {
    setRange(0, maximum);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    lineEdit()->setMaxLength(maxDigits);
    // The spin box corrects the text to its range when it is left; the typed text is what counts.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) { m_typed = text; });
    connect(this, &QAbstractSpinBox::editingFinished, this, &DigitSpinField::CommitTyped);
}

void DigitSpinField::stepBy(int steps) {
    QSpinBox::stepBy(steps);
    m_typed.reset();
    Show(m_commit(QString::number(value())));
}

QValidator::State DigitSpinField::validate(QString& text, int&) const {
    if (text.size() > m_maxDigits)
        return QValidator::Invalid;
    for (QChar c : text)
        if (!c.isDigit())
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

void DigitSpinField::CommitTyped() {
    if (!m_typed)
        return;
    const QString typed = *m_typed;
    m_typed.reset();
    Show(m_commit(typed));
}

void DigitSpinField::Show(int value) {
    const QSignalBlocker blocker(this);
    setValue(value);
}

} // namespace rpx::gui
