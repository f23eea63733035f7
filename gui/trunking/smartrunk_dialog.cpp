#include "gui/trunking/smartrunk_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"
#include "core/trunking/new_access_code_rules.h"
#include "gui/app/qt_text.h"
#include "gui/radio/file_dialogs.h"
#include "gui/trunking/new_access_code_dialog.h"
#include "gui/trunking/smartrunk_basic_page.h"
#include "gui/trunking/smartrunk_table_page.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 3019013;
constexpr TextId kSpeedDialTab = 3019077;
constexpr TextId kCodeListTab = 3019081;
constexpr TextId kNumberHeading = 3019083;
constexpr TextId kCodeHeading = 3019085;
constexpr TextId kAccessCodeButton = 3019131;
// Twips of the board's own tables, in pixels at 96 dots per inch.
constexpr int kNameWidth = 100;
constexpr int kValueWidth = 140;

} // namespace

SmarTrunkDialog::SmarTrunkDialog(SmarTrunkRules& rules, Notifier& notifier, const std::string& directory,
                                 QWidget* parent)
    : QDialog(parent), m_rules(rules), m_notifier(notifier), m_directory(directory),
      m_pages(new QTabWidget(this)), m_basic(new SmarTrunkBasicPage(rules, this)),
      m_speedDial(new SmarTrunkTablePage(
          BoardImage::Limit::kSpeedDialEntries, BoardImage::Limit::kSpeedDialLength,
          {{}, {}, kNameWidth, kValueWidth}, [&rules](int row) { return rules.SpeedDialLabel(row); },
          [&rules](int row) { return rules.SpeedDial(row); },
          [&rules](int row, const std::string& typed) { return rules.CommitSpeedDial(row, typed); }, this)),
      m_codeList(new SmarTrunkTablePage(
          BoardImage::Limit::kCodeListEntries, BoardImage::Limit::kCodeListEntryLength,
          {Tr(notifier.Texts(), kNumberHeading), Tr(notifier.Texts(), kCodeHeading), kNameWidth, kValueWidth},
          [](int row) { return std::to_string(row + 1); },
          [&rules](int row) { return rules.CodeListEntry(row); },
          [&rules](int row, const std::string& typed) { return rules.CommitCodeListEntry(row, typed); },
          this)) {
    const LanguageTable& texts = notifier.Texts();
    setWindowTitle(Tr(texts, kTitle));
    m_speedDial->setObjectName(QStringLiteral("speedDial"));
    m_codeList->setObjectName(QStringLiteral("codeList"));
    m_pages->addTab(m_basic, Tr(texts, kTitle));
    m_pages->addTab(m_speedDial, Tr(texts, kSpeedDialTab));
    m_pages->addTab(m_codeList, Tr(texts, kCodeListTab));
    setProperty("helpContext", kHelpContexts[0]);
    connect(m_pages, &QTabWidget::currentChanged, this,
            [this](int page) { setProperty("helpContext", kHelpContexts[page]); });

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    auto* access = buttons->addButton(Tr(texts, kAccessCodeButton), QDialogButtonBox::ActionRole);
    auto* open = buttons->addButton(Tr(texts, txt::kOpenBoardFile), QDialogButtonBox::ActionRole);
    auto* save = buttons->addButton(Tr(texts, txt::kSaveBoardFile), QDialogButtonBox::ActionRole);
    access->setObjectName(QStringLiteral("accessCode"));
    open->setObjectName(QStringLiteral("openBoardFile"));
    save->setObjectName(QStringLiteral("saveBoardFile"));
    for (QPushButton* button : {access, open, save})
        button->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &SmarTrunkDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SmarTrunkDialog::reject);
    connect(access, &QPushButton::clicked, this, &SmarTrunkDialog::OnAccessCode);
    connect(open, &QPushButton::clicked, this, &SmarTrunkDialog::OnOpenBoardFile);
    connect(save, &QPushButton::clicked, this, &SmarTrunkDialog::OnSaveBoardFile);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
}

void SmarTrunkDialog::accept() {
    m_rules.Ok();
    QDialog::accept();
}

void SmarTrunkDialog::OnAccessCode() {
    NewAccessCodeRules rules(m_rules, m_notifier);
    NewAccessCodeDialog(rules, m_notifier.Texts(), this).exec();
}

void SmarTrunkDialog::OnOpenBoardFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, Tr(m_notifier.Texts(), txt::kOpenBoardFile), ToQtPath(m_directory),
        Tr(m_notifier.Texts(), txt::kBoardFileFilter), nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty() || !m_rules.OpenBoardFile(FromQtPath(path)))
        return;
    m_basic->Load();
    m_speedDial->Load();
    m_codeList->Load();
}

void SmarTrunkDialog::OnSaveBoardFile() {
    QFileDialog dialog(this, Tr(m_notifier.Texts(), txt::kSaveBoardFile), ToQtPath(m_directory),
                       Tr(m_notifier.Texts(), txt::kBoardFileFilter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("board"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_rules.SaveBoardFile(FromQtPath(dialog.selectedFiles().constFirst()));
}

bool RunSmarTrunkDialog(Session& session, Notifier& notifier, QWidget* parent) {
    SmarTrunkRules rules(session, notifier);
    SmarTrunkDialog dialog(rules, notifier, session.dataDirectory, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rpx::gui
