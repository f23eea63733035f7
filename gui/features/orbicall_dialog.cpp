#include "gui/features/orbicall_dialog.h"

#include <QAbstractSpinBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

// The delay field with its spin buttons: a click steps the stored value through the rules, which
// wrap it.
class DelaySpinBox : public QAbstractSpinBox {
public:
    DelaySpinBox(OrbicallRules& rules, QWidget* parent) : QAbstractSpinBox(parent), m_rules(rules) {
        lineEdit()->setMaxLength(OrbicallRules::Width::kDelay);
        lineEdit()->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    }
    QLineEdit* Edit() const { return lineEdit(); }

    void stepBy(int steps) override {
        m_rules.StoreDelay(FromQt(text()));
        m_rules.StepDelay(steps > 0 ? 1 : -1);
        lineEdit()->setText(ToQt(m_rules.DelayText()));
        selectAll();
    }

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    OrbicallRules& m_rules;
};

namespace {

constexpr TextId kTitle = 3019041;

QLineEdit* MakeDigitsEdit(const char* name, int width, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(width);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

} // namespace

OrbicallDialog::OrbicallDialog(OrbicallRules& rules, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent), m_rules(rules), m_fleet(MakeDigitsEdit("fleet", OrbicallRules::Width::kFleet, this)),
      m_id(MakeDigitsEdit("id", OrbicallRules::Width::kId, this)), m_delay(new DelaySpinBox(rules, this)),
      m_baud(new QComboBox(this)) {
    setWindowTitle(Tr(texts, kTitle));
    setProperty("helpContext", kHelpContext);
    m_delay->setObjectName(QStringLiteral("delay"));
    m_baud->setObjectName(QStringLiteral("baud"));
    for (const std::string& item : OrbicallRules::BaudItems())
        m_baud->addItem(ToQt(item));
    for (QObject* field : {static_cast<QObject*>(m_fleet), static_cast<QObject*>(m_id),
                           static_cast<QObject*>(m_delay), static_cast<QObject*>(m_delay->Edit())})
        field->installEventFilter(this);
    connect(m_baud, &QComboBox::activated, this, [this](int item) { m_rules.SelectBaud(item); });

    auto* fields = new QFormLayout;
    using Label = OrbicallRules::Label;
    fields->addRow(Tr(texts, Label::kFleet), m_fleet);
    fields->addRow(Tr(texts, Label::kId), m_id);
    fields->addRow(Tr(texts, Label::kDelay), m_delay);
    fields->addRow(Tr(texts, Label::kBaud), m_baud);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &OrbicallDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OrbicallDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Refresh();
}

void OrbicallDialog::Refresh() {
    m_fleet->setText(ToQt(m_rules.FleetText()));
    m_id->setText(ToQt(m_rules.IdText()));
    m_delay->Edit()->setText(ToQt(m_rules.DelayText()));
    const QSignalBlocker blocker(m_baud);
    m_baud->setCurrentIndex(m_rules.BaudSelection());
}

void OrbicallDialog::Store(QObject* field) {
    if (field == m_fleet)
        m_rules.StoreFleet(FromQt(m_fleet->text()));
    else if (field == m_id)
        m_rules.StoreId(FromQt(m_id->text()));
    else if (field == m_delay || field == m_delay->Edit())
        m_rules.StoreDelay(FromQt(m_delay->Edit()->text()));
    else
        return;
    // A fleet can give the ID its first value, an emptied ID empties the fleet.
    Refresh();
}

bool OrbicallDialog::eventFilter(QObject* watched, QEvent* event) {
    // Every leaving stores, changed or not, as the field's rules expect.
    if (event->type() == QEvent::FocusOut)
        Store(watched);
    return QDialog::eventFilter(watched, event);
}

void OrbicallDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    // The buttons take Enter themselves; the baud list goes back to the first field.
    if (focusWidget() == m_baud)
        m_fleet->setFocus(Qt::TabFocusReason);
    else
        focusNextChild();
}

void OrbicallDialog::accept() {
    Store(focusWidget());
    m_rules.Ok();
    QDialog::accept();
}

bool RunOrbicallDialog(Session& session, Notifier& notifier, QWidget* parent) {
    OrbicallRules rules(session, notifier);
    OrbicallDialog dialog(rules, notifier.Texts(), parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rpx::gui
