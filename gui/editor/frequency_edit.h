#pragma once

#include <QLineEdit>

namespace rpx::gui {

// A frequency field (the grid's RX and TX cells, and the dialogs' frequency fields): typed characters
// other than digits and "." never reach the text, and at most nine characters fit, except for the
// longer read-only text of a row kept for the trunking board. Of the other keys only backspace,
// Delete and the cursor keys edit or move; control keys and the line edit's own shortcuts (cut, paste,
// undo, delete to the end of the line...) do nothing here and are left to whoever holds them, such as
// the grid's row commands and the window's accelerators.
class FrequencyEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit FrequencyEdit(QWidget* parent = nullptr);

    // Sets the text and whether the user may type into the cell; the modified state is cleared.
    void ShowCellText(const QString& text, bool editable);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace rpx::gui
