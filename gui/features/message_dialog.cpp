#include "gui/features/message_dialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 3002109;

} // namespace

MessageDialog::MessageDialog(MessageRules& rules, const LanguageTable& texts, const QFont& codeFont,
                             QWidget* parent)
    : QDialog(parent), m_rules(rules) {
    setWindowTitle(Tr(texts, kTitle));
    setProperty("helpContext", kHelpContext);

    auto* layout = new QVBoxLayout(this);
    for (std::size_t line = 0; line < m_lines.size(); ++line) {
        auto* edit = new QLineEdit(ToQt(m_rules.Line(line)), this);
        edit->setObjectName(QStringLiteral("line%1").arg(line + 1));
        edit->setMaxLength(static_cast<int>(MessageRules::kLineLength));
        edit->setFont(codeFont);
        edit->setMinimumWidth(
            edit->fontMetrics().horizontalAdvance(QString(MessageRules::kLineLength + 2, 'W')));
        edit->installEventFilter(this);
        m_lines[line] = edit;
        layout->addWidget(edit);
    }

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &MessageDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MessageDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MessageDialog::accept() {
    for (std::size_t line = 0; line < m_lines.size(); ++line)
        m_rules.SetLine(line, FromQt(m_lines[line]->text()));
    if (m_rules.Ok())
        QDialog::accept();
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    // The buttons take Enter themselves; the lines pass it on to here.
    for (std::size_t line = 0; line < m_lines.size(); ++line) {
        if (focusWidget() != m_lines[line])
            continue;
        QLineEdit* next = m_lines[(line + 1) % m_lines.size()];
        next->setFocus(Qt::TabFocusReason);
        next->selectAll();
        return;
    }
}

bool MessageDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::ShiftModifier)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool RunMessageDialog(Session& session, Notifier& notifier, const QFont& codeFont, QWidget* parent) {
    MessageRules rules(session, notifier);
    MessageDialog dialog(rules, notifier.Texts(), codeFont, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rpx::gui
