#include "gui/app/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QToolBar>

#include <filesystem>

#include "core/link/port_dialog_rules.h"
#include "core/link/radio_info.h"
#include "core/radio/model_dialog_rules.h"
#include "core/radio/model_variant.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"
#include "core/tone/tone_sequence.h"
#include "gui/app/about_dialog.h"
#include "gui/app/crq7150_app.h"
#include "gui/app/help_window.h"
#include "gui/app/qt_text.h"
#include "gui/app/splash_window.h"
#include "gui/editor/channel_detail_dialog.h"
#include "gui/editor/crq7150_view.h"
#include "gui/exchange/channel_plan_commands.h"
#include "gui/exchange/exchange_dialogs.h"
#include "gui/features/dtmf_dialog.h"
#include "gui/features/emergency_dialog.h"
#include "gui/features/extended_sheet.h"
#include "gui/features/function_port_dialog.h"
#include "gui/features/key_assignment_dialog.h"
#include "gui/features/message_dialog.h"
#include "gui/features/optional_dialog.h"
#include "gui/features/orbicall_dialog.h"
#include "gui/features/scan_dialog.h"
#include "gui/features/test_frequency_dialog.h"
#include "gui/link/memory_map_dialog.h"
#include "gui/link/port_dialog.h"
#include "gui/link/radio_info_dialog.h"
#include "gui/link/test_dialog.h"
#include "gui/radio/file_dialogs.h"
#include "gui/radio/model_dialog.h"
#include "gui/radio/open_data_file_dialog.h"
#include "gui/tone/alert_tone_play.h"
#include "gui/trunking/smartrunk_dialog.h"
#include "gui/trunking/trunking_channel_dialog.h"

namespace rpx::gui {

namespace {

constexpr TextId kExitQuestion = 3003021;
constexpr int kHelpTopicsContext = 6;
constexpr int kClockInterval = 10000;

struct ToolButton {
    Command command;
    QStyle::StandardPixmap icon;
    TextId toolTip;
};

// In toolbar order; a separator stands before the radio commands.
const ToolButton kToolButtons[] = {
    {Command::FileNew, QStyle::SP_FileIcon, 1006001},
    {Command::FileOpen, QStyle::SP_DialogOpenButton, 1006003},
    {Command::FileSave, QStyle::SP_DialogSaveButton, 1006005},
    {Command::Print, QStyle::SP_FileDialogDetailedView, 1006007},
    {Command::Read, QStyle::SP_ArrowDown, 1006009},
    {Command::Write, QStyle::SP_ArrowUp, 1006011},
};

} // namespace

CMainFrame::CMainFrame(CRQ7150App& app, bool showSplash)
    : m_app(app), m_commands(ProgramCommands()), m_menuRules(app.GetSession().extendedMode, m_commands),
      m_linkUi(this, app.Texts(), app.FixedFont()),
      m_link(app.RadioPort(), app.GetSession(), app.GetNotifier(), m_linkUi),
      m_backups(DefaultBackupFolder()),
      m_transfer(m_link, app.GetSession(), app.GetNotifier(), m_backups, ReadWriteSafety(app.Store())),
      m_print(app.GetSession(), app.GetNotifier(), m_testState, this),
      m_board(this, app.GetSession(), app.GetNotifier(), m_linkUi, m_runner) {
    m_view = new CRQ7150View(app.GetSession(), app.GetNotifier(), this);
    setCentralWidget(m_view);
    // The row's ">>" button and F10; the view refreshes the grid once the dialog has closed.
    connect(m_view, &CRQ7150View::detailRequested, this,
            [this](int row) { RunChannelDetailDialog(m_app.GetSession(), m_app.GetNotifier(), row, this); });
    connect(m_view, &CRQ7150View::trunkingChannelRequested, this, [this](int row) {
        AfterFeatureDialog(RunTrunkingChannelDialog(m_app.GetSession(), m_app.GetNotifier(), row, this));
    });
    HandleCommands();
    CreateActions();
    CreateToolBar();
    CreateStatusBar();
    m_view->OnInitialUpdate();
    ReloadView();
    UpdateMenusForModel();
    UpdateTitle();
    resize(800, 600);
    CenterOnScreen();
    qApp->installEventFilter(this);
    if (showSplash)
        (new SplashWindow(app.Texts()))->show();
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
}

HelpWindow& CMainFrame::Help() {
    if (!m_help)
        m_help = std::make_unique<HelpWindow>(m_app.Texts(), m_app.ProgramDirectory());
    return *m_help;
}

QAction* CMainFrame::Action(Command command) const {
    const auto it = m_actions.find(command);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::CreateActions() {
    // Every command has its action, so accelerators work whether or not the item stands in a menu.
    for (const CommandRow& row : m_commands.Rows()) {
        auto* action = new QAction(this);
        action->setData(static_cast<int>(row.id));
        action->setShortcut(QKeySequence::fromString(ToQt(row.shortcut), QKeySequence::PortableText));
        connect(action, &QAction::triggered, this, [this, command = row.id] { OnCommand(command); });
        m_actions[row.id] = action;
        addAction(action);
    }
    for (const ToolButton& button : kToolButtons) {
        QAction* action = m_actions.at(button.command);
        action->setIcon(style()->standardIcon(button.icon));
        action->setToolTip(Tr(m_app.Texts(), button.toolTip));
    }
    for (std::size_t i = 0; i < MenuLayout::kTitles.size(); ++i) {
        QMenu* menu = menuBar()->addMenu(Tr(m_app.Texts(), MenuLayout::kTitles[i]));
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::OnInitMenu);
        menu->installEventFilter(this);
    }
}

void CMainFrame::RebuildMenus() {
    const MenuLayout layout = m_menuRules.Layout(m_app.GetSession().image);
    const QList<QAction*> titles = menuBar()->actions();
    for (auto& [command, action] : m_actions)
        action->setEnabled(false);
    for (std::size_t i = 0; i < layout.dropDowns.size(); ++i) {
        QMenu* menu = titles[static_cast<qsizetype>(i)]->menu();
        menu->clear();
        for (const MenuItem& item : layout.dropDowns[i]) {
            if (item.IsSeparator()) {
                menu->addSeparator();
                continue;
            }
            const QString text = item.text != 0 ? Tr(m_app.Texts(), item.text) : ToQt(item.literal);
            QAction* action = item.command != Command::None ? m_actions.at(item.command) : new QAction(menu);
            action->setText(text);
            action->setEnabled(item.enabled);
            menu->addAction(action);
        }
    }
}

void CMainFrame::CreateToolBar() {
    QToolBar* toolBar = addToolBar(QString());
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(16, 16));
    for (const ToolButton& button : kToolButtons) {
        if (button.command == Command::Read)
            toolBar->addSeparator();
        toolBar->addAction(m_actions.at(button.command));
    }
}

void CMainFrame::CreateStatusBar() {
    m_datePane = new QLabel(this);
    m_timePane = new QLabel(this);
    statusBar()->addPermanentWidget(m_datePane);
    statusBar()->addPermanentWidget(m_timePane);
    UpdateClock();
    m_clock.setInterval(kClockInterval);
    connect(&m_clock, &QTimer::timeout, this, &CMainFrame::UpdateClock);
    m_clock.start();
}

void CMainFrame::UpdateClock() {
    m_datePane->setText(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    m_timePane->setText(QTime::currentTime().toString("HH:mm "));
}

void CMainFrame::CenterOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
}

void CMainFrame::UpdateTitle() {
    const Session& session = m_app.GetSession();
    setWindowTitle(ToQt(ComposeTitle(session.image, m_app.Texts(), session.titleFilePart)));
}

void CMainFrame::UpdateMenusForModel() {
    m_menuRules.UpdateMenusForModel(m_app.GetSession().image);
    RebuildMenus();
}

void CMainFrame::OnInitMenu() {
    m_menuRules.OnInitMenu(m_app.GetSession().image);
    RebuildMenus();
}

void CMainFrame::ShowHelp(int context) {
    Help().ShowContext(context);
}

bool CMainFrame::AskToExit() {
    return m_app.GetNotifier().Show(kExitQuestion, txt::kCaptionExit, MessageButtons::YesNo,
                                    MessageIcon::Question) == MessageAnswer::Yes;
}

void CMainFrame::OnExit() {
    m_exitConfirmed = false;
    if (!AskToExit())
        return;
    m_exitConfirmed = true;
    close();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_runner.Running() || (!m_exitConfirmed && !AskToExit())) {
        event->ignore();
        return;
    }
    if (m_help)
        m_help->close();
    event->accept();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return QMainWindow::eventFilter(watched, event);
    if (auto* menu = qobject_cast<QMenu*>(watched)) {
        // F1 on a highlighted menu item opens that command's help, if it has one.
        if (const QAction* active = menu->activeAction(); active != nullptr && active->data().isValid()) {
            const int context = m_commands.Row(static_cast<Command>(active->data().toInt())).helpContext;
            if (context >= 0)
                ShowHelp(context);
        }
        return true;
    }
    if (const QWidget* modal = QApplication::activeModalWidget()) {
        const QVariant context = modal->property("helpContext");
        if (context.isValid())
            ShowHelp(context.toInt());
        return true;
    }
    if (watched == this || isAncestorOf(qobject_cast<QWidget*>(watched))) {
        ShowHelp(kHelpTopicsContext);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::OnCommand(Command command) {
    if (!m_commands.Enabled(command))
        return;
    // Menus and toolbar do not take the focus: a typed but uncommitted cell must reach the image first.
    m_view->CommitPendingEdit();
    m_commands.Run(command);
}

void CMainFrame::ReloadView() {
    m_view->RefreshAllTexts();
    m_view->RefreshGridState();
}

void CMainFrame::OnFileNew() {
    m_view->CloseCellLists();
    if (!m_app.GetDocument().FileNew())
        return;
    UpdateTitle();
    ReloadView();
    UpdateMenusForModel();
    m_view->FocusChannelOneRx();
}

void CMainFrame::OpenFile(const std::string& path) {
    if (!m_app.GetDocument().FileOpen(path))
        return;
    ReloadView();
    UpdateTitle();
    UpdateMenusForModel();
}

void CMainFrame::OnFileOpen() {
    const Session& session = m_app.GetSession();
    if (const auto path = OpenDataFileDialog::GetOpenPath(this, m_app.Texts(), m_app.GetDocument(),
                                                          session.dataDirectory, m_app.FixedFont()))
        OpenFile(*path);
    m_view->RestoreFocus();
}

void CMainFrame::OnFileSave() {
    m_app.GetDocument().FileSave();
}

void CMainFrame::OnFileSaveAs() {
    const Session& session = m_app.GetSession();
    const auto path = GetSaveAsPath(this, m_app.Texts(), session.dataDirectory, session.titleFilePart);
    if (path && m_app.GetDocument().FileSaveAs(*path))
        UpdateTitle();
}

void CMainFrame::OnModel() {
    ModelDialogRules rules(m_app.GetSession(), m_app.GetNotifier());
    rules.Open();
    ModelDialog dialog(rules, m_app.Texts(), this);
    dialog.exec();
    rules.ApplyAfterClose();
    ReloadView();
    UpdateMenusForModel();
    UpdateTitle();
}

void CMainFrame::AfterFeatureDialog(bool accepted) {
    if (!accepted)
        return;
    ReloadView();
    UpdateTitle();
}

void CMainFrame::OnOptional() {
    // A changed trunking group count changes the grid's trunking rows; the reload after OK shows it.
    AfterFeatureDialog(RunOptionalDialog(m_app.GetSession(), m_app.GetNotifier(), this));
}

void CMainFrame::OnKeyAssignment() {
    // A key set to the group function opens channel group 2 in the grid.
    AfterFeatureDialog(RunKeyAssignmentDialog(m_app.GetSession(), m_app.GetNotifier(), this));
}

void CMainFrame::OnScan() {
    AfterFeatureDialog(RunScanDialog(m_app.GetSession(), m_app.GetNotifier(), this));
}

// PLAY stays greyed until a tone player is handed to the dialog here.
void CMainFrame::OnDtmf() {
    AlertTonePlay& tones = m_app.AlertTones();
    QMetaObject::Connection ended;
    const PlayTones play = [&](std::function<void()> finished) {
        ended =
            connect(&tones, &AlertTonePlay::finished, this, std::move(finished), Qt::SingleShotConnection);
        tones.Play(AlertTonesOf(m_app.GetSession().image));
    };
    const bool accepted =
        RunDtmfDialog(m_app.GetSession(), m_app.GetNotifier(), m_app.FixedFont(), play, this);
    // The page waiting for the end of a sequence has gone with the dialog.
    disconnect(ended);
    tones.Cancel();
    AfterFeatureDialog(accepted);
}

void CMainFrame::OnOrbicall() {
    AfterFeatureDialog(RunOrbicallDialog(m_app.GetSession(), m_app.GetNotifier(), this));
}

void CMainFrame::OnEmbeddedMessage() {
    AfterFeatureDialog(RunMessageDialog(m_app.GetSession(), m_app.GetNotifier(), m_app.FixedFont(), this));
}

void CMainFrame::OnTestFrequency() {
    AfterFeatureDialog(RunTestFrequencyDialog(m_app.GetSession(), m_app.GetNotifier(), this));
}

void CMainFrame::OnFunctionPort() {
    const auto followDevice = [this] {
        ReloadView();
        UpdateMenusForModel();
    };
    RunFunctionPortDialog(m_app.GetSession(), m_app.GetNotifier(), followDevice, this);
    // Cancel may have put another device back.
    followDevice();
    UpdateTitle();
}

void CMainFrame::OnEmergency() {
    AfterFeatureDialog(RunEmergencyDialog(m_app.GetSession(), m_app.GetNotifier(), m_app.FixedFont(), this));
}

void CMainFrame::OnExtendedSettings() {
    AfterFeatureDialog(RunExtendedSheet(m_app.GetSession(), m_app.GetNotifier(), this));
}

void CMainFrame::OnSmarTrunk() {
    RunSmarTrunkDialog(m_app.GetSession(), m_app.GetNotifier(), this);
}

void CMainFrame::OnProgramRead() {
    std::optional<StagedRead> staged;
    m_runner.Run(this, [&] { staged = m_transfer.ReadFromRadio(); });
    if (staged) {
        m_radioData = ImageOfRead(*staged);
        m_transfer.ApplyRead(*staged);
        ReloadView();
    }
    UpdateTitle();
    UpdateMenusForModel();
    m_view->RestoreFocus();
}

void CMainFrame::OnProgramWrite() {
    const Session& session = m_app.GetSession();
    if (ReadWriteSafety(m_app.Store()).showChanges) {
        const auto radio = RadioDataBefore(m_radioData, m_backups, session.image, m_app.Texts());
        if (radio && !ConfirmWriteChanges(*radio, session.image, session.extendedMode, m_app.Texts(), this))
            return;
    }
    bool written = false;
    m_runner.Run(this, [&] { written = m_transfer.OnProgramWrite(); });
    if (written)
        m_radioData = session.image;
    m_view->RestoreFocus();
}

void CMainFrame::OnProgramTest() {
    // When the test read the radio's tuning data, their record goes to the printer as the test ends.
    if (RunProgramTest(m_runner, this, m_link, m_app.GetSession().image, m_testState))
        m_print.PrintTuningData();
    m_view->RestoreFocus();
}

void CMainFrame::OnSetupWriteSafety() {
    WriteSafety safety = ReadWriteSafety(m_app.Store());
    if (!RunWriteSafetyDialog(safety, m_app.Texts(), this))
        return;
    StoreWriteSafety(m_app.Store(), safety);
    m_transfer.SetSafety(safety);
}

void CMainFrame::OnFileBackups() {
    const auto path = RunBackupsDialog(m_backups, m_app.Texts(), this);
    if (!path)
        return;
    OpenFile(path->string());
    Session& session = m_app.GetSession();
    if (session.currentFilePath == path->string()) {
        session.currentFilePath.clear();
        session.titleFilePart = m_app.GetNotifier().Text(txt::kUntitled);
        UpdateTitle();
    }
}

void CMainFrame::OnImportChannelPlan() {
    if (ImportChannelPlanFile(m_app.GetSession(), m_app.GetNotifier(), this))
        ReloadView();
}

void CMainFrame::OnExportChannelPlan() {
    ExportChannelPlanFile(m_app.GetSession(), m_app.GetNotifier(), this);
}

void CMainFrame::OnProgramMemory() {
    MemoryMapDialog dialog(m_app.GetSession().image, m_app.Texts(), this);
    if (dialog.exec() == QDialog::Accepted) {
        ReloadView();
        UpdateTitle();
        UpdateMenusForModel();
    }
}

void CMainFrame::OnToolsRadioInfo() {
    RadioInformation information;
    bool received = false;
    m_runner.Run(this, [&] { received = rpx::OnToolsRadioInfo(m_link, information); });
    if (!received)
        return;
    RadioInfoDialog dialog(DescribeRadioInfo(information, m_app.Texts()), m_app.Texts(), m_app.FixedFont(),
                           this);
    dialog.exec();
}

void CMainFrame::OnSetupPort() {
    PortDialogRules rules(m_app.RadioPort());
    PortDialog dialog(rules, m_app.Texts(), this);
    dialog.exec();
}

void CMainFrame::OnSetupWireTrace() {
    RadioPortDevice& device = m_app.RadioDevice();
    Notifier& notifier = m_app.GetNotifier();
    if (const auto& current = device.TraceFile()) {
        if (notifier.ShowFilled(txt::kWireTraceStop, current->string(), "", txt::kCaptionConfirm,
                                MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes)
            (void)device.SetTraceFile(std::nullopt);
        return;
    }
    // An earlier trace of ours is appended to, and any other file is refused, so no overwrite question.
    const QString chosen = QFileDialog::getSaveFileName(this, Tr(m_app.Texts(), txt::kWireTraceTitle),
                                                        ToQt(m_app.GetSession().dataDirectory), QString(),
                                                        nullptr, QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty())
        return;
    const std::string path = FromQt(chosen);
    if (const Status traced = device.SetTraceFile(std::filesystem::path(path)); !traced)
        notifier.ShowFilled(txt::kWireTraceRefused, path, traced.Message(), txt::kCaptionError,
                            MessageButtons::Ok, MessageIcon::Stop);
}

void CMainFrame::OnHelpTopics() {
    ShowHelp(kHelpTopicsContext);
}

void CMainFrame::OnAppAbout() {
    AboutDialog dialog(m_app.Texts(), this);
    dialog.exec();
}

} // namespace rpx::gui
