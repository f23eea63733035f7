#include "gui/editor/frequency_edit.h"

#include <QKeyEvent>

#include <algorithm>

#include "core/editor/cell_key_filters.h"

namespace rpx::gui {

namespace {

constexpr int kLimit = static_cast<int>(kFrequencyCellLimit);

} // namespace

FrequencyEdit::FrequencyEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kLimit);
}

void FrequencyEdit::ShowCellText(const QString& text, bool editable) {
    setReadOnly(!editable);
    setMaxLength(editable ? kLimit : std::max(kLimit, static_cast<int>(text.size())));
    setText(text);
}

void FrequencyEdit::keyPressEvent(QKeyEvent* event) {
    // Only typed characters are filtered: arrows, Delete, Home/End and shortcuts keep working.
    const QString typed = event->text();
    if (typed.size() == 1 && typed.front().isPrint() && !FrequencyEditAccepts(typed.front().toLatin1())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace rpx::gui
