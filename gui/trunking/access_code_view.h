#pragma once

#include <QDialog>

#include "core/text/language_table.h"
#include "core/trunking/board_link.h"

class QLineEdit;
class QPushButton;

namespace rpx::gui {

// The access code dialog of the board commands: a hidden field of at most five characters, OK
// enabled only with five, the known code filled in and selected.
class AccessCodeView : public QDialog {
    Q_OBJECT

public:
    AccessCodeView(AccessCodeDialog& dialog, const LanguageTable& texts, QWidget* parent);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AccessCodeDialog& m_dialog;
    QLineEdit* m_code;
    QPushButton* m_ok;
};

// Runs the access code dialog on the window thread for a board command on the worker thread.
class GuiAccessCodePrompt : public AccessCodePrompt {
public:
    GuiAccessCodePrompt(QWidget* owner, const LanguageTable& texts) : m_owner(owner), m_texts(texts) {}
    bool RunAccessCodeDialog(AccessCodeDialog& dialog) override;

private:
    QWidget* m_owner;
    const LanguageTable& m_texts;
};

} // namespace rpx::gui
