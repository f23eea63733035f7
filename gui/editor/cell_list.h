#pragma once

#include <QComboBox>
#include <QStringList>

namespace rpx::gui {

// The in-place drop-down that covers a grid cell while the cell has the focus. A choice list offers
// its items only; a tone list also takes a typed tone of at most five characters through the tone
// key filter, without completion and without adding typed texts to the items; control keys never
// edit the typed text (they are left to the grid's row commands and the window's accelerators).
class CellList : public QComboBox {
    Q_OBJECT

public:
    enum class Entry { ChooseOnly, ToneTyping };

    CellList(const QStringList& items, Entry entry, QWidget* parent = nullptr);

    // Selects the item with exactly this text; a tone list without such an item shows the text in
    // its edit field with no item selected.
    void ShowText(const QString& text);
    // The list, its edit field or its open item list.
    bool Contains(const QWidget* widget) const;

    void showPopup() override;
    void hidePopup() override;

signals:
    // The item list was closed without an item being chosen.
    void dismissed();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void MarkChosen() { m_chosen = true; }
    void ReportDismissal();
    // True when the key was swallowed or typed in its converted form.
    bool FilterToneKey(const QKeyEvent& event);

    bool m_chosen = false;
};

} // namespace rpx::gui
