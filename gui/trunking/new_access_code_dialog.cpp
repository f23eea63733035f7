#include "gui/trunking/new_access_code_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 3019129;
constexpr TextId kCodeLabel = 3019133;
constexpr TextId kVerifyLabel = 3019135;

QLineEdit* HiddenDigits(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(BoardImage::Limit::kAccessCodeDigits);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

} // namespace

NewAccessCodeDialog::NewAccessCodeDialog(NewAccessCodeRules& rules, const LanguageTable& texts,
                                         QWidget* parent)
    : QDialog(parent), m_rules(rules), m_code(HiddenDigits("newAccessCode", this)),
      m_verify(HiddenDigits("verifyAccessCode", this)) {
    setWindowTitle(Tr(texts, kTitle));
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &NewAccessCodeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NewAccessCodeDialog::reject);
    connect(m_code, &QLineEdit::textChanged, this, &NewAccessCodeDialog::UpdateEnabling);

    auto* form = new QFormLayout;
    form->addRow(Tr(texts, kCodeLabel), m_code);
    form->addRow(Tr(texts, kVerifyLabel), m_verify);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    UpdateEnabling();
}

void NewAccessCodeDialog::UpdateEnabling() {
    const bool complete = NewAccessCodeRules::IsComplete(FromQt(m_code->text()));
    m_verify->setEnabled(complete);
    m_ok->setEnabled(complete);
}

void NewAccessCodeDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() == m_code && m_rules.RefuseShortCode(FromQt(m_code->text()))) {
        m_code->clear();
        return;
    }
    if (enter && focusWidget() == m_code) {
        m_verify->setFocus();
        return;
    }
    QDialog::keyPressEvent(event);
}

void NewAccessCodeDialog::accept() {
    switch (m_rules.Ok(FromQt(m_code->text()), FromQt(m_verify->text()))) {
    case NewAccessCodeRules::Outcome::Mismatch:
        m_verify->setFocus();
        m_verify->selectAll();
        break;
    case NewAccessCodeRules::Outcome::Declined:
        break;
    case NewAccessCodeRules::Outcome::Changed:
        QDialog::accept();
        break;
    }
}

} // namespace rpx::gui
