#pragma once

#include <QLineEdit>

namespace rpx::gui {

// An RX or TX cell: typed characters other than digits and "." never reach the text (editing and
// navigation keys do), and at most nine characters fit, except for the longer read-only text of a row
// kept for the trunking board.
class FrequencyEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit FrequencyEdit(QWidget* parent = nullptr);

    // Sets the text and whether the user may type into the cell; the modified state is cleared.
    void ShowCellText(const QString& text, bool editable);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace rpx::gui
