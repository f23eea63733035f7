#include "gui/features/scan_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include <array>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 3007005;

} // namespace

ScanDialog::ScanDialog(ScanRules& rules, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent), m_rules(rules),
      m_revert(new CellList(ToQtList(rules.RevertItems()), CellList::Entry::ChooseOnly, this)),
      m_dropoutDelay(new HalfSecondField(this)), m_dwellTime(new HalfSecondField(this)),
      m_offHook(new QCheckBox(Tr(texts, ScanRules::kOffHookLabel), this)) {
    setWindowTitle(Tr(texts, kTitle));
    setProperty("helpContext", kHelpContext);

    m_revert->setObjectName(QStringLiteral("revertChannel"));
    m_revert->setContextMenuPolicy(Qt::NoContextMenu);
    m_revert->setCurrentIndex(m_rules.RevertSelection());
    connect(m_revert, &QComboBox::activated, this, [this](int item) { m_rules.SelectRevert(item); });

    m_dropoutDelay->setObjectName(QStringLiteral("dropoutDelay"));
    m_dwellTime->setObjectName(QStringLiteral("dwellTime"));
    for (ScanRules::Time time : {ScanRules::Time::DropoutDelay, ScanRules::Time::DwellTime}) {
        HalfSecondField& field = Field(time);
        field.ShowHalfSeconds(m_rules.TimeHalfSeconds(time));
        connect(&field, &HalfSecondField::committed, this, [this, time, &field](const QString& text) {
            field.ShowHalfSeconds(m_rules.CommitTime(time, FromQt(text)));
        });
    }

    m_offHook->setObjectName(QStringLiteral("offHookScan"));
    m_offHook->setChecked(m_rules.OffHookScan());
    connect(m_offHook, &QCheckBox::toggled, this, [this](bool on) { m_rules.SetOffHookScan(on); });

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ScanDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ScanDialog::reject);

    auto* fields = new QFormLayout;
    fields->addRow(Tr(texts, ScanRules::kRevertLabel), m_revert);
    fields->addRow(Tr(texts, ScanRules::Label(ScanRules::Time::DropoutDelay)), m_dropoutDelay);
    fields->addRow(Tr(texts, ScanRules::Label(ScanRules::Time::DwellTime)), m_dwellTime);
    fields->addRow(m_offHook);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ScanDialog::accept() {
    if (m_rules.Ok())
        QDialog::accept();
}

void ScanDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    // The buttons take Enter themselves; the fields pass it on to here.
    const std::array<QWidget*, 4> cycle = {m_revert, m_dropoutDelay, m_dwellTime, m_offHook};
    for (std::size_t i = 0; i < cycle.size(); ++i) {
        if (focusWidget() != cycle[i] && !cycle[i]->isAncestorOf(focusWidget()))
            continue;
        QWidget* next = cycle[(i + 1) % cycle.size()];
        next->setFocus(Qt::TabFocusReason);
        if (auto* field = qobject_cast<HalfSecondField*>(next))
            field->selectAll();
        return;
    }
}

bool RunScanDialog(Session& session, Notifier& notifier, QWidget* parent) {
    ScanRules rules(session, notifier);
    ScanDialog dialog(rules, notifier.Texts(), parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rpx::gui
