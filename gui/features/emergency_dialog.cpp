#include "gui/features/emergency_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

using Field = EmergencyRules::Field;

constexpr TextId kTitle = 3006019;

} // namespace

EmergencyDialog::EmergencyDialog(EmergencyRules& rules, const LanguageTable& texts, const QFont& codeFont,
                                 QWidget* parent)
    : QDialog(parent), m_rules(rules),
      m_call(new EmergencyFields(rules, texts, this,
                                 {Field::Channel, Field::TxDuration, Field::RxDuration, Field::Type,
                                  Field::Code, Field::AckCode, Field::ResetCode, Field::Fleet, Field::Id})),
      m_outputs(new EmergencyFields(rules, texts, this,
                                    {Field::HornLogic, Field::HornTime, Field::LightLogic, Field::LightTime,
                                     Field::Mic, Field::Cycle, Field::ManualReset, Field::Secret,
                                     Field::Recognition, Field::PowerSwitch})) {
    setWindowTitle(Tr(texts, kTitle));
    setProperty("helpContext", kHelpContext);
    m_call->SetCodeFont(codeFont);
    for (EmergencyFields* half : {m_call, m_outputs})
        half->layout()->setContentsMargins(0, 0, 0, 0);
    // Each half follows what the other changes.
    connect(m_call, &EmergencyFields::changed, m_outputs, &EmergencyFields::Refresh);
    connect(m_outputs, &EmergencyFields::changed, m_call, &EmergencyFields::Refresh);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &EmergencyDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EmergencyDialog::reject);

    auto* halves = new QHBoxLayout;
    halves->addWidget(m_call, 0, Qt::AlignTop);
    halves->addSpacing(fontMetrics().averageCharWidth() * 3);
    halves->addWidget(m_outputs, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(halves);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void EmergencyDialog::accept() {
    m_call->CommitFocused();
    m_outputs->CommitFocused();
    if (m_rules.Ok())
        QDialog::accept();
}

bool RunEmergencyDialog(Session& session, Notifier& notifier, const QFont& codeFont, QWidget* parent) {
    EmergencyRules rules(session, notifier);
    EmergencyDialog dialog(rules, notifier.Texts(), codeFont, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rpx::gui
