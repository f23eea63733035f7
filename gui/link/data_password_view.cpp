#include "gui/link/data_password_view.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

// An embedded message line holds up to 32 characters.
constexpr int kMessageLineLength = 32;

QLineEdit* MessageLine(const std::string& text, const QFont& fixedFont) {
    auto* line = new QLineEdit(ToQt(text));
    line->setReadOnly(true);
    line->setFocusPolicy(Qt::NoFocus);
    line->setFont(fixedFont);
    const QFontMetrics metrics(fixedFont);
    line->setMinimumWidth(metrics.horizontalAdvance(QString(kMessageLineLength + 2, QLatin1Char('M'))));
    return line;
}

} // namespace

DataPasswordView::DataPasswordView(DataPasswordDialog& dialog, const LanguageTable& texts,
                                   const QFont& fixedFont, QWidget* parent)
    : QDialog(parent), m_dialog(dialog), m_password(new QLineEdit) {
    setWindowTitle(Tr(texts, DataPasswordDialog::kTitle));

    auto* message = new QGroupBox(Tr(texts, DataPasswordDialog::kMessageGroup));
    auto* messageLayout = new QVBoxLayout(message);
    messageLayout->addWidget(MessageLine(dialog.MessageLine1(), fixedFont));
    messageLayout->addWidget(MessageLine(dialog.MessageLine2(), fixedFont));

    m_password->setEchoMode(QLineEdit::Password);
    auto* passwordRow = new QFormLayout;
    passwordRow->addRow(Tr(texts, DataPasswordDialog::kLabel), m_password);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &DataPasswordView::OnOk);
    connect(cancel, &QPushButton::clicked, this, &DataPasswordView::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addLayout(passwordRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_password->setFocus();
}

void DataPasswordView::OnOk() {
    if (m_dialog.Ok(FromQt(m_password->text()))) {
        accept();
        return;
    }
    m_password->setFocus();
    m_password->selectAll();
}

} // namespace rpx::gui
