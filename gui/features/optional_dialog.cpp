#include "gui/features/optional_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

using Number = OptionalRules::Number;
using Box = OptionalRules::Box;
using List = OptionalRules::List;

constexpr TextId kTitle = 3002103;

// A control: what it edits and its object name; its label comes from the rules.
template <class Which> struct Control {
    Which which;
    const char* name;
};
using NumberControl = Control<Number>;
using BoxControl = Control<Box>;
using ListControl = Control<List>;

constexpr NumberControl kNumberControls[] = {
    {Number::Tot, "tot"},     {Number::PreAlert, "preAlert"},           {Number::Rekey, "rekey"},
    {Number::Reset, "reset"}, {Number::MinimumVolume, "minimumVolume"}, {Number::Squelch, "squelch"},
};
constexpr BoxControl kBoxControls[] = {
    {Box::PowerOnTone, "powerOnTone"},     {Box::ControlTone, "controlTone"},
    {Box::WarningTone, "warningTone"},     {Box::VolumeLock, "volumeLock"},
    {Box::OffHookDecode, "offHookDecode"}, {Box::CloneMode, "cloneMode"},
    {Box::DataTxQt, "dataTxQt"},
};
constexpr ListControl kListControls[] = {
    {List::DataChannel, "dataChannel"},
    {List::PttIdType, "pttIdType"},
    {List::TrunkingGroups, "trunkingGroups"},
};

} // namespace

OptionalDialog::OptionalDialog(OptionalRules& rules, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent), m_rules(rules) {
    setWindowTitle(Tr(texts, kTitle));
    setProperty("helpContext", kHelpContext);

    auto* numbers = new QFormLayout;
    for (std::size_t i = 0; i < kNumbers; ++i) {
        const NumberControl& control = kNumberControls[i];
        auto* field = new NumberSpinField(OptionalRules::Width(control.which), this);
        field->setObjectName(QString::fromLatin1(control.name));
        connect(field, &NumberSpinField::committed, this,
                [this, number = control.which](const QString& text) {
                    m_rules.CommitNumber(number, FromQt(text));
                    Refresh();
                });
        connect(field, &NumberSpinField::stepped, this, [this, number = control.which](int direction) {
            m_rules.StepNumber(number, direction);
            Refresh();
        });
        m_numbers[i] = field;
        numbers->addRow(Tr(texts, OptionalRules::Label(control.which)), field);
    }
    // Made after the number fields, so that the focus runs through the dialog in reading order.
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("password"));
    m_password->setMaxLength(static_cast<int>(OptionalRules::Limit::kPasswordLength));
    m_password->setContextMenuPolicy(Qt::NoContextMenu);
    m_password->installEventFilter(this);
    numbers->addRow(Tr(texts, OptionalRules::kPasswordLabel), m_password);

    auto* boxes = new QVBoxLayout;
    for (std::size_t i = 0; i < kBoxes; ++i) {
        auto* box = new QCheckBox(Tr(texts, OptionalRules::Label(kBoxControls[i].which)), this);
        box->setObjectName(QString::fromLatin1(kBoxControls[i].name));
        connect(box, &QCheckBox::clicked, this,
                [this, which = kBoxControls[i].which](bool on) { m_rules.SetChecked(which, on); });
        m_boxes[i] = box;
        boxes->addWidget(box);
    }
    boxes->addStretch();

    auto* lists = new QFormLayout;
    for (std::size_t i = 0; i < kLists; ++i) {
        auto* list = new QComboBox(this);
        list->setObjectName(QString::fromLatin1(kListControls[i].name));
        connect(list, &QComboBox::activated, this,
                [this, which = kListControls[i].which](int item) { m_rules.Select(which, item); });
        m_lists[i] = list;
        lists->addRow(Tr(texts, OptionalRules::Label(kListControls[i].which)), list);
    }

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &OptionalDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OptionalDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addLayout(numbers, 0, 0);
    layout->addLayout(boxes, 0, 1);
    layout->addLayout(lists, 1, 0, 1, 2);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Refresh();
}

void OptionalDialog::Refresh() {
    for (std::size_t i = 0; i < kNumbers; ++i) {
        m_numbers[i]->ShowText(ToQt(m_rules.NumberText(kNumberControls[i].which)));
        m_numbers[i]->setEnabled(m_rules.Enabled(kNumberControls[i].which));
    }
    if (!m_password->hasFocus())
        m_password->setText(ToQt(m_rules.PasswordText()));
    for (std::size_t i = 0; i < kBoxes; ++i) {
        m_boxes[i]->setChecked(m_rules.Checked(kBoxControls[i].which));
        m_boxes[i]->setEnabled(m_rules.Enabled(kBoxControls[i].which));
    }
    for (std::size_t i = 0; i < kLists; ++i) {
        const List list = kListControls[i].which;
        const QSignalBlocker blocker(m_lists[i]);
        m_lists[i]->clear();
        for (const OptionalRules::Item& item : m_rules.Items(list))
            m_lists[i]->addItem(ToQt(item.text));
        m_lists[i]->setCurrentIndex(m_rules.Selection(list));
        m_lists[i]->setEnabled(m_rules.Enabled(list));
    }
}

bool OptionalDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_password && event->type() == QEvent::FocusOut) {
        // Every leaving stores, so a password with a wrong character is cleared at once.
        m_rules.CommitPassword(FromQt(m_password->text()));
        m_password->setText(ToQt(m_rules.PasswordText()));
    } else if (watched == m_password && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (key->matches(QKeySequence::Paste) ||
            (key->key() == Qt::Key_Insert && key->modifiers() == Qt::ShiftModifier) ||
            (typed.size() == 1 && OptionalRules::SwallowsPasswordKey(typed[0].toLatin1())))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OptionalDialog::keyPressEvent(QKeyEvent* event) {
    // Enter moves on as Tab does; on OK or Cancel the button takes it before it gets here.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (qobject_cast<QPushButton*>(focusWidget()) == nullptr) {
            focusNextChild();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void OptionalDialog::accept() {
    // The field holding the focus is stored as if it were left.
    QWidget* focused = focusWidget();
    for (std::size_t i = 0; i < kNumbers; ++i)
        if (focused != nullptr && (focused == m_numbers[i] || m_numbers[i]->isAncestorOf(focused)))
            m_rules.CommitNumber(kNumberControls[i].which, FromQt(m_numbers[i]->Edit()->text()));
    if (focused == m_password)
        m_rules.CommitPassword(FromQt(m_password->text()));
    m_rules.Ok();
    QDialog::accept();
}

bool RunOptionalDialog(Session& session, Notifier& notifier, QWidget* parent) {
    OptionalRules rules(session, notifier);
    OptionalDialog dialog(rules, notifier.Texts(), parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rpx::gui
