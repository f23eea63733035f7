#include "gui/features/dtmf_settings_page.h"

#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

using Spin = DtmfRules::Spin;
using List = DtmfRules::List;
using Box = DtmfRules::Box;

constexpr TextId kEncode = 3010047, kDecode = 3010049;

} // namespace

DtmfSettingsPage::DtmfSettingsPage(DtmfRules& rules, Notifier& notifier, QWidget* parent)
    : QWidget(parent), m_rules(rules), m_notifier(notifier),
      m_beginCode(new CodeEdit(DtmfRules::Page::EncodeDecode, false, DtmfRules::Limit::kCodeLength, this)),
      m_endCode(new CodeEdit(DtmfRules::Page::EncodeDecode, false, DtmfRules::Limit::kCodeLength, this)),
      m_idCode(new CodeEdit(DtmfRules::Page::EncodeDecode, false, DtmfRules::Limit::kShortCodeLength, this)),
      m_stunCode(
          new CodeEdit(DtmfRules::Page::EncodeDecode, true, DtmfRules::Limit::kShortCodeLength, this)) {
    const LanguageTable& texts = notifier.Texts();
    const auto label = [&](TextId id) { return Tr(texts, id); };
    m_beginCode->setObjectName(QStringLiteral("bot-code"));
    m_endCode->setObjectName(QStringLiteral("eot-code"));
    m_idCode->setObjectName(QStringLiteral("id-code"));
    m_stunCode->setObjectName(QStringLiteral("stun-code"));
    for (CodeEdit* code : {m_beginCode, m_endCode, m_idCode, m_stunCode})
        code->installEventFilter(this);

    const auto row = [&](QFormLayout* form, auto which, QWidget* field) {
        form->addRow(label(DtmfRules::Label(which)), field);
    };
    auto* encode = new QFormLayout;
    for (Spin spin :
         {Spin::Speed, Spin::FirstDigitTime, Spin::FirstDigitDelay, Spin::StarHashTone, Spin::DKey})
        row(encode, spin, MakeSpin(spin));
    encode->addRow(label(DtmfRules::kBeginCodeLabel), m_beginCode);
    encode->addRow(label(DtmfRules::kEndCodeLabel), m_endCode);
    for (Box box : {Box::ManualDial, Box::KeypadAutoPtt, Box::HoldTime, Box::Autodial})
        encode->addRow(MakeBox(box));
    row(encode, List::DtmfKeys, MakeList(List::DtmfKeys));
    auto* decode = new QFormLayout;
    decode->addRow(label(DtmfRules::kIdCodeLabel), m_idCode);
    row(decode, List::GroupCode, MakeList(List::GroupCode));
    row(decode, Spin::AlertToneLevel, MakeSpin(Spin::AlertToneLevel));
    row(decode, Spin::AutoResetTimer, MakeSpin(Spin::AutoResetTimer));
    row(decode, List::CallAlert, MakeList(List::CallAlert));
    row(decode, List::Transpond, MakeList(List::Transpond));
    decode->addRow(MakeBox(Box::ClearToTranspond));
    row(decode, List::StunType, MakeList(List::StunType));
    decode->addRow(label(DtmfRules::kStunCodeLabel), m_stunCode);
    row(decode, List::HornAlertLogic, MakeList(List::HornAlertLogic));
    row(decode, Spin::HornAlertTime, MakeSpin(Spin::HornAlertTime));

    auto* layout = new QHBoxLayout(this);
    for (auto [title, form] : {std::pair{kEncode, encode}, {kDecode, decode}}) {
        auto* group = new QGroupBox(label(title), this);
        group->setLayout(form);
        layout->addWidget(group, 0, Qt::AlignTop);
    }
    m_beginCode->setText(ToQt(m_rules.CodeText(DtmfRules::kBeginCode)));
    m_endCode->setText(ToQt(m_rules.CodeText(DtmfRules::kEndCode)));
    m_idCode->setText(ToQt(m_rules.IdCodeText()));
    m_stunCode->setText(ToQt(m_rules.StunCodeText()));
    Refresh();
}

NumberSpinField* DtmfSettingsPage::MakeSpin(Spin spin) {
    auto* field = NumberSpinField::OverRules(
        static_cast<int>(DtmfRules::SpinWidth(spin)),
        [this, spin](int step) {
            std::string shown = m_rules.StepSpin(spin, step);
            Refresh();
            return shown;
        },
        [this, spin](std::string_view typed) {
            std::string shown = m_rules.LeaveSpin(spin, typed);
            Refresh();
            return shown;
        },
        this);
    field->setObjectName(QStringLiteral("spin%1").arg(static_cast<int>(spin)));
    field->ShowText(ToQt(m_rules.SpinText(spin)));
    m_spins[static_cast<std::size_t>(spin)] = field;
    return field;
}

CellList* DtmfSettingsPage::MakeList(List list) {
    auto* field = new CellList(ToQtList(m_rules.ListItems(list)), CellList::Entry::ChooseOnly, this);
    field->setObjectName(QStringLiteral("list%1").arg(static_cast<int>(list)));
    field->setContextMenuPolicy(Qt::NoContextMenu);
    connect(field, &QComboBox::activated, this, [this, list](int item) {
        m_rules.SelectList(list, item);
        Refresh();
    });
    m_lists[static_cast<std::size_t>(list)] = field;
    return field;
}

QCheckBox* DtmfSettingsPage::MakeBox(Box box) {
    auto* field = new QCheckBox(Tr(m_notifier.Texts(), DtmfRules::Label(box)), this);
    field->setObjectName(QStringLiteral("box%1").arg(static_cast<int>(box)));
    connect(field, &QCheckBox::clicked, this, [this, box](bool on) {
        m_rules.SetChecked(box, on);
        Refresh();
    });
    m_boxes[static_cast<std::size_t>(box)] = field;
    return field;
}

void DtmfSettingsPage::Refresh() {
    for (int i = 0; i < kSpins; ++i)
        m_spins[i]->setEnabled(m_rules.Enabled(static_cast<Spin>(i)));
    for (int i = 0; i < kLists; ++i) {
        const QSignalBlocker blocker(m_lists[i]);
        m_lists[i]->setCurrentIndex(m_rules.ListSelection(static_cast<List>(i)));
        m_lists[i]->setEnabled(m_rules.Enabled(static_cast<List>(i)));
    }
    for (int i = 0; i < kBoxes; ++i) {
        m_boxes[i]->setChecked(m_rules.Checked(static_cast<Box>(i)));
        m_boxes[i]->setEnabled(m_rules.Enabled(static_cast<Box>(i)));
    }
}

bool DtmfSettingsPage::CommitField(QWidget* field) {
    if (field != m_beginCode && field != m_endCode && field != m_idCode && field != m_stunCode)
        return true;
    const std::string typed = FromQt(static_cast<QLineEdit*>(field)->text());
    if (field == m_beginCode || field == m_endCode) {
        const int slot = field == m_beginCode ? DtmfRules::kBeginCode : DtmfRules::kEndCode;
        m_rules.LeaveCode(slot, typed);
        static_cast<QLineEdit*>(field)->setText(ToQt(m_rules.CodeText(slot)));
        return true;
    }
    const TextId refusal = field == m_idCode ? m_rules.LeaveIdCode(typed) : m_rules.LeaveStunCode(typed);
    auto* code = static_cast<CodeEdit*>(field);
    code->setText(ToQt(field == m_idCode ? m_rules.IdCodeText() : m_rules.StunCodeText()));
    if (refusal == 0)
        return true;
    m_refusing = true;
    m_notifier.Show(refusal, txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
    m_refusing = false;
    code->setFocus(Qt::OtherFocusReason);
    code->selectAll();
    return false;
}

bool DtmfSettingsPage::eventFilter(QObject* watched, QEvent* event) {
    // Focus moving to another window or a popup is no leaving of the field.
    if (event->type() == QEvent::FocusOut && !m_refusing) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            CommitField(static_cast<QWidget*>(watched));
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace rpx::gui
