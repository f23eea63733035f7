#include "gui/features/emergency_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include "gui/app/qt_text.h"
#include "gui/features/number_spin_field.h"

namespace rpx::gui {

namespace {

using Field = EmergencyRules::Field;
using Kind = EmergencyRules::Kind;

QLineEdit* EditOf(QWidget* control) {
    if (auto* spin = qobject_cast<NumberSpinField*>(control))
        return spin->Edit();
    return qobject_cast<QLineEdit*>(control);
}

} // namespace

EmergencyFields::EmergencyFields(EmergencyRules& rules, const LanguageTable& texts, QWidget* parent,
                                 std::vector<Field> fields)
    : QWidget(parent), m_rules(rules) {
    if (fields.empty())
        fields = rules.FieldList();
    auto* form = new QFormLayout(this);
    for (Field field : fields) {
        QWidget* control = MakeControl(field, texts);
        control->setObjectName(QString::fromLatin1(EmergencyRules::Key(field)));
        m_controls[field] = control;
        if (EmergencyRules::KindOf(field) == Kind::Box)
            form->addRow(control);
        else
            form->addRow(Tr(texts, EmergencyRules::Label(field)), control);
    }
    Refresh();
}

QWidget* EmergencyFields::MakeControl(Field field, const LanguageTable& texts) {
    const Kind kind = EmergencyRules::KindOf(field);
    if (kind == Kind::List) {
        auto* list = new QComboBox(this);
        for (const ListItem& item : m_rules.Items(field))
            list->addItem(ToQt(item.text));
        connect(list, &QComboBox::activated, this, [this, field](int item) {
            m_rules.Select(field, item);
            Changed();
        });
        return list;
    }
    if (kind == Kind::Box) {
        auto* box = new QCheckBox(Tr(texts, EmergencyRules::Label(field)), this);
        connect(box, &QCheckBox::clicked, this, [this, field](bool on) {
            m_rules.SetChecked(field, on);
            Changed();
        });
        return box;
    }
    const int width = EmergencyRules::Width(field);
    if (kind == Kind::Duration || kind == Kind::Limited) {
        auto* spin = new NumberSpinField(width, this);
        connect(spin, &NumberSpinField::stepped, this, [this, field, spin](int step) {
            m_rules.Step(field, FromQt(spin->Edit()->text()), step);
            Changed();
            spin->selectAll();
        });
        connect(spin, &NumberSpinField::committed, this, [this, field] { Commit(field); });
        return spin;
    }
    auto* edit = new QLineEdit(this);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    // Limits typing only, so a longer code already stored is shown whole.
    const QString pattern = kind == Kind::Code ? QStringLiteral(".{0,%1}") : QStringLiteral("[0-9]{0,%1}");
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern.arg(width)), edit));
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 14);
    edit->installEventFilter(this);
    return edit;
}

void EmergencyFields::SetCodeFont(const QFont& font) {
    for (Field field : {Field::Code, Field::AckCode, Field::ResetCode})
        if (m_controls.contains(field))
            m_controls.at(field)->setFont(font);
}

void EmergencyFields::Commit(Field field) {
    m_rules.Commit(field, FromQt(EditOf(m_controls.at(field))->text()));
    Changed();
}

void EmergencyFields::CommitFocused() {
    for (const auto& [field, control] : m_controls) {
        const Kind kind = EmergencyRules::KindOf(field);
        if (kind != Kind::List && kind != Kind::Box &&
            (control->hasFocus() || control->isAncestorOf(QWidget::focusWidget())))
            Commit(field);
    }
}

void EmergencyFields::Changed() {
    Refresh();
    emit changed();
}

void EmergencyFields::Refresh() {
    for (const auto& [field, control] : m_controls) {
        control->setEnabled(m_rules.Enabled(field));
        switch (EmergencyRules::KindOf(field)) {
        case Kind::List: {
            auto* list = static_cast<QComboBox*>(control);
            const QSignalBlocker blocker(list);
            list->setCurrentIndex(m_rules.Selection(field));
            break;
        }
        case Kind::Box:
            static_cast<QCheckBox*>(control)->setChecked(m_rules.Checked(field));
            break;
        default:
            EditOf(control)->setText(ToQt(m_rules.Text(field)));
            break;
        }
    }
}

bool EmergencyFields::eventFilter(QObject* watched, QEvent* event) {
    // Every leaving stores, changed or not, as the field's rule expects.
    if (event->type() == QEvent::FocusOut)
        for (const auto& [field, control] : m_controls)
            if (control == watched)
                Commit(field);
    return QWidget::eventFilter(watched, event);
}

} // namespace rpx::gui
