#include "gui/trunking/access_code_view.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/text/text_ids.h"
#include "gui/app/on_gui_thread.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

AccessCodeView::AccessCodeView(AccessCodeDialog& dialog, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent), m_dialog(dialog), m_code(new QLineEdit(this)),
      m_ok(new QPushButton(Tr(texts, txt::kOk), this)) {
    setWindowTitle(Tr(texts, AccessCodeDialog::kTitle));
    m_code->setObjectName(QStringLiteral("accessCode"));
    m_code->setEchoMode(QLineEdit::Password);
    m_code->setMaxLength(static_cast<int>(kAccessCodeLength));
    m_code->setText(ToQt(m_dialog.InitialText()));
    m_code->selectAll();
    m_code->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    auto* layout = new QFormLayout(this);
    layout->addRow(new QLabel(Tr(texts, AccessCodeDialog::kLabel), this), m_code);
    layout->addRow(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const auto updateOk = [this] { m_ok->setEnabled(AccessCodeDialog::OkEnabled(FromQt(m_code->text()))); };
    updateOk();
    connect(m_code, &QLineEdit::textChanged, this, updateOk);
    connect(buttons, &QDialogButtonBox::accepted, this, &AccessCodeView::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AccessCodeView::reject);
}

bool AccessCodeView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_code && event->type() == QEvent::FocusOut)
        m_dialog.OnCodeLeft(FromQt(m_code->text()));
    return QDialog::eventFilter(watched, event);
}

void AccessCodeView::accept() {
    if (!m_ok->isEnabled())
        return; // Enter with fewer than five characters
    m_dialog.Ok(FromQt(m_code->text()));
    QDialog::accept();
}

bool GuiAccessCodePrompt::RunAccessCodeDialog(AccessCodeDialog& dialog) {
    return OnGuiThread([&] {
        AccessCodeView view(dialog, m_texts, m_owner);
        return view.exec() == QDialog::Accepted;
    });
}

} // namespace rpx::gui
