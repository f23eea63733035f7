#include "gui/editor/row_dialog_layout.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

void LayOutRowDialog(QDialog& dialog, QLayout* fields, const LanguageTable& texts,
                     RowDialogDefault defaultButton) {
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    (defaultButton == RowDialogDefault::Ok ? ok : cancel)->setDefault(true);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
}

} // namespace rpx::gui
