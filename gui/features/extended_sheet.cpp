#include "gui/features/extended_sheet.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "core/features/dtmf_rules.h"
#include "core/features/emergency_rules.h"
#include "core/features/function_port_rules.h"
#include "core/features/key_page_rules.h"
#include "core/features/optional_rules.h"
#include "core/features/scrambler_rules.h"
#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"
#include "gui/features/data_channel_page.h"
#include "gui/features/emergency_fields.h"
#include "gui/features/horn_alert_page.h"
#include "gui/features/key_page.h"
#include "gui/features/port_page.h"
#include "gui/features/scrambler_page.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 3002119;

struct PageRow {
    TextId title;
    const char* name; // of the page's rules in ExtendedSheetRules
    QWidget* (*make)(FeatureRules& rules, const LanguageTable& texts, QWidget* parent);
};

template <class Rules, class Widget>
QWidget* Make(FeatureRules& rules, const LanguageTable& texts, QWidget* parent) {
    return new Widget(dynamic_cast<Rules&>(rules), texts, parent);
}

// In sheet order: the function port page first, then the channels' scramblers, the optional
// features' data channel, the keys, the emergency outputs and the DTMF horn alert.
const PageRow kPages[] = {
    {3017001, "function-port", &Make<FunctionPortRules, PortPage>},
    {3006025, "scrambler", &Make<ScramblerRules, ScramblerPage>},
    {3002103, "optional", &Make<OptionalRules, DataChannelPage>},
    {3002105, "key", &Make<KeyPageRules, KeyPage>},
    {3006019, "emergency", &Make<EmergencyRules, EmergencyFields>},
    {3002129, "dtmf", &Make<DtmfRules, HornAlertPage>},
};

} // namespace

ExtendedSheet::ExtendedSheet(ExtendedSheetRules& rules, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent), m_rules(rules), m_pages(new QTabWidget(this)) {
    setWindowTitle(Tr(texts, kTitle));
    for (const PageRow& page : kPages) {
        QWidget* widget = page.make(rules.Page(page.name), texts, m_pages);
        widget->setObjectName(QString::fromLatin1(page.name));
        m_pages->addTab(widget, Tr(texts, page.title));
    }
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExtendedSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExtendedSheet::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ExtendedSheet::accept() {
    // A field still holding the focus is stored as it loses it.
    m_ok->setFocus(Qt::OtherFocusReason);
    if (m_rules.Ok())
        QDialog::accept();
}

bool RunExtendedSheet(Session& session, Notifier& notifier, QWidget* parent) {
    ExtendedSheetRules rules(session, notifier);
    ExtendedSheet sheet(rules, notifier.Texts(), parent);
    return sheet.exec() == QDialog::Accepted;
}

} // namespace rpx::gui
