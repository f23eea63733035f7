#pragma once

#include <QDialog>

#include "core/link/data_password_dialog.h"
#include "core/text/language_table.h"

class QLineEdit;

namespace rpx::gui {

// The data password dialog: the radio's embedded message and a password field. OK closes it only
// with the right password; Cancel gives up the read.
class DataPasswordView : public QDialog {
    Q_OBJECT

public:
    DataPasswordView(DataPasswordDialog& dialog, const LanguageTable& texts, const QFont& fixedFont,
                     QWidget* parent);

private:
    void OnOk();

    DataPasswordDialog& m_dialog;
    QLineEdit* m_password;
};

} // namespace rpx::gui
