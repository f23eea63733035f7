#include "gui/editor/cell_list.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "core/editor/cell_key_filters.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

CellList::CellList(const QStringList& items, Entry entry, QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
    if (entry == Entry::ToneTyping) {
        setEditable(true);
        // Typed tones keep their own conversion rules: no completion, no new items.
        setCompleter(nullptr);
        setInsertPolicy(QComboBox::NoInsert);
        lineEdit()->setMaxLength(static_cast<int>(kToneCellLimit));
    }
    addItems(items);
    setMaxVisibleItems(12);
    connect(this, &QComboBox::activated, this, &CellList::MarkChosen);
}

void CellList::ShowText(const QString& text) {
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(index);
    if (index < 0 && isEditable())
        setEditText(text);
    if (isEditable())
        lineEdit()->selectAll();
}

bool CellList::Contains(const QWidget* widget) const {
    if (widget == nullptr)
        return false;
    if (widget == this || isAncestorOf(widget))
        return true;
    const QWidget* popup = view()->window();
    return popup != window() && (widget == popup || popup->isAncestorOf(widget));
}

void CellList::showPopup() {
    m_chosen = false;
    QComboBox::showPopup();
}

void CellList::hidePopup() {
    QComboBox::hidePopup();
    // A chosen item is reported only after the item list has closed.
    QTimer::singleShot(0, this, &CellList::ReportDismissal);
}

void CellList::ReportDismissal() {
    if (!m_chosen)
        emit dismissed();
    m_chosen = false;
}

bool CellList::event(QEvent* event) {
    // The edit field would claim its editing shortcuts ahead of the window's.
    if (event->type() == QEvent::ShortcutOverride && isEditable())
        return false;
    return QComboBox::event(event);
}

void CellList::keyPressEvent(QKeyEvent* event) {
    // Control keys and Shift+Delete (cut) would edit the typed text.
    const bool shiftDelete = event->key() == Qt::Key_Delete && (event->modifiers() & Qt::ShiftModifier);
    if (isEditable() && (shiftDelete || (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))) {
        event->ignore();
        return;
    }
    // The list holds the focus and hands typed keys on to its edit field.
    if (isEditable() && FilterToneKey(*event)) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

bool CellList::FilterToneKey(const QKeyEvent& event) {
    const QString typed = event.text();
    if (typed.size() != 1 || !typed.front().isPrint())
        return false;
    // The key replaces a selection, so the 8/9 rule looks at the text that stays.
    QString remaining = lineEdit()->text();
    if (lineEdit()->hasSelectedText())
        remaining.remove(lineEdit()->selectionStart(), lineEdit()->selectedText().size());
    const char key = typed.front().toLatin1();
    const std::optional<char> passed = rpx::FilterToneKey(key, FromQt(remaining));
    if (passed && *passed == key)
        return false;
    if (passed)
        lineEdit()->insert(QString(QChar::fromLatin1(*passed)));
    return true;
}

} // namespace rpx::gui
