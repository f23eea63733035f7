#include "gui/features/dtmf_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"
#include "gui/features/dtmf_memory_page.h"
#include "gui/features/dtmf_settings_page.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 3002129;
constexpr TextId kTabTexts[] = {3010001, 3010003, 3010005};

} // namespace

DtmfDialog::DtmfDialog(DtmfRules& rules, Notifier& notifier, const QFont& codeFont, const PlayTones& play,
                       QWidget* parent)
    : QDialog(parent), m_rules(rules), m_notifier(notifier), m_tabs(new QTabBar(this)),
      m_pages(new QStackedWidget(this)), m_settings(new DtmfSettingsPage(rules, notifier, this)),
      m_memory(new DtmfMemoryPage(rules, notifier.Texts(), codeFont, this)) {
    const LanguageTable& texts = notifier.Texts();
    setWindowTitle(Tr(texts, kTitle));
    m_tabs->setObjectName(QStringLiteral("pages"));
    for (TextId tab : kTabTexts)
        m_tabs->addTab(Tr(texts, tab));
    m_pages->addWidget(m_settings);
    m_pages->addWidget(m_memory);
    m_pages->addWidget(new AlertTonePage(rules.Tones(), texts, play, this));
    connect(m_tabs, &QTabBar::currentChanged, this, &DtmfDialog::ChangePage);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    // A click on a button leaves the field where it is, so that OK can refuse a code too short and
    // Cancel never checks one.
    for (QPushButton* button : {ok, cancel})
        button->setFocusPolicy(Qt::TabFocus);
    connect(buttons, &QDialogButtonBox::accepted, this, &DtmfDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DtmfDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_O), this), &QShortcut::activated, this,
            &DtmfDialog::accept);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_C), this), &QShortcut::activated, this,
            &DtmfDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowPage(0);
}

bool DtmfDialog::CommitFocused() {
    QWidget* focus = focusWidget();
    if (auto* spin = qobject_cast<NumberSpinField*>(focus)) {
        spin->Commit();
        return true;
    }
    m_memory->CommitField(focus);
    return m_settings->CommitField(focus);
}

void DtmfDialog::ChangePage(int to) {
    // A field refused on the way has shown its message; the page refusal that follows shows none.
    const bool stored = CommitFocused();
    if (const TextId refusal = m_rules.ChangePage(static_cast<DtmfRules::Page>(to)); refusal != 0) {
        if (stored)
            m_notifier.Show(refusal, txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(m_pages->currentIndex());
        return;
    }
    ShowPage(to);
}

void DtmfDialog::ShowPage(int page) {
    m_pages->setCurrentIndex(page);
    setProperty("helpContext", kHelpContexts[page]);
}

void DtmfDialog::accept() {
    if (CommitFocused() && m_rules.Ok())
        QDialog::accept();
}

void DtmfDialog::reject() {
    m_rules.PressCancel();
    QDialog::reject();
}

bool RunDtmfDialog(Session& session, Notifier& notifier, const QFont& codeFont, const PlayTones& play,
                   QWidget* parent) {
    DtmfRules rules(session, notifier);
    DtmfDialog dialog(rules, notifier, codeFont, play, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rpx::gui
