#include "gui/editor/frequency_edit.h"

#include <QKeyEvent>

#include <algorithm>

#include "core/editor/cell_key_filters.h"

namespace rpx::gui {

namespace {

constexpr int kLimit = static_cast<int>(kFrequencyCellLimit);

// Keys the field handles itself: a filtered character, backspace and Delete, and the cursor moves
// (with Shift they select).
bool IsOwnKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return modifiers == Qt::NoModifier;
    default: {
        const QString typed = event.text();
        return (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier && typed.size() == 1 &&
               typed.front().isPrint();
    }
    }
}

} // namespace

FrequencyEdit::FrequencyEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kLimit);
}

void FrequencyEdit::ShowCellText(const QString& text, bool editable) {
    setReadOnly(!editable);
    setMaxLength(editable ? kLimit : std::max(kLimit, static_cast<int>(text.size())));
    setText(text);
}

bool FrequencyEdit::event(QEvent* event) {
    // A line edit claims its editing shortcuts ahead of the window's; this field claims none.
    if (event->type() == QEvent::ShortcutOverride)
        return false;
    return QLineEdit::event(event);
}

void FrequencyEdit::keyPressEvent(QKeyEvent* event) {
    if (!IsOwnKey(*event)) {
        event->ignore();
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed.front().isPrint() && !FrequencyEditAccepts(typed.front().toLatin1())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace rpx::gui
