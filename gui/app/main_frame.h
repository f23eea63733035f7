#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <map>
#include <memory>

#include "core/app/command_table.h"
#include "core/app/menu_rules.h"
#include "core/backup/safe_transfer.h"
#include "core/link/radio_link.h"
#include "core/link/test_mode_state.h"
#include "core/link/transfer_commands.h"
#include "gui/link/gui_link_ui.h"
#include "gui/link/link_runner.h"
#include "gui/report/print_commands.h"
#include "gui/trunking/board_commands.h"

namespace rpx::gui {

class CRQ7150App;
class CRQ7150View;
class HelpWindow;

// The main window: menus, toolbar and status bar around the channel grid, and the handlers of
// every command.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CRQ7150App& app, bool showSplash);
    ~CMainFrame() override;

    CRQ7150View& View() { return *m_view; }
    HelpWindow& Help();
    // The action of a command (menu item, toolbar button and accelerator share it).
    QAction* Action(Command command) const;
    const CommandTable& Commands() const { return m_commands; }
    const MenuRules& Menus() const { return m_menuRules; }
    BoardCommands& Board() { return m_board; }

    // Opens a data file named on the command line, as File > Open does with a chosen one.
    void OpenFile(const std::string& path);
    void UpdateTitle();
    // Rebuilds the menus from the image: the trunking commands and the greyed signalling items.
    void UpdateMenusForModel();
    // What the menus do each time one is about to open.
    void OnInitMenu();
    void ShowHelp(int context);
    // File > Exit: asks, and closes the window on Yes.
    void OnExit();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void RebuildMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void UpdateClock();
    void CenterOnScreen();
    bool AskToExit();

    // The handlers of each area's commands (main_frame_commands.cpp).
    void HandleCommands();
    void HandleFileCommands();
    void HandleModelCommands();
    void HandleRadioCommands();
    void HandleSetupAndHelpCommands();
    void Handle(Command command, void (CMainFrame::*handler)());
    void OnCommand(Command command);
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFilePrint() { m_print.OnFilePrint(); }
    void OnFilePrintPreview() { m_print.OnFilePrintPreview(); }
    void OnExportPdf() { m_print.OnExportPdf(); }
    // File > Import/Export Channel Plan: the channels as a CSV channel plan.
    void OnImportChannelPlan();
    void OnExportChannelPlan();
    void OnModel();
    void OnOptional();
    void OnKeyAssignment();
    void OnScan();
    void OnDtmf();
    void OnOrbicall();
    void OnEmbeddedMessage();
    void OnTestFrequency();
    // The device choice changes the grid's trunking rows and the menus, even before OK.
    void OnFunctionPort();
    void OnEmergency();
    void OnExtendedSettings();
    void OnSmarTrunk();
    // After a feature dialog: on OK the grid and the title follow the image.
    void AfterFeatureDialog(bool accepted);
    void OnProgramRead();
    void OnProgramWrite();
    void OnProgramTest();
    void OnProgramMemory();
    void OnToolsRadioInfo();
    void OnSetupPort();
    // Starts a trace of every byte on the serial line into a file the user picks, or stops it.
    void OnSetupWireTrace();
    void OnReadBoard() { m_board.OnReadBoard(); }
    void OnWriteBoard() { m_board.OnWriteBoard(); }
    void OnTrunkingMode() { m_board.OnTrunkingMode(); }
    void OnSetupBoardPort() { m_board.OnSetupBoardPort(); }
    void OnSetupWriteSafety();
    // File > Backups: opens the chosen backup as new, untitled data, so a save cannot overwrite it.
    void OnFileBackups();
    void OnHelpTopics();
    void OnAppAbout();
    // After the image changed from outside the grid: every cell, the grid state and trunking rows.
    void ReloadView();

    CRQ7150App& m_app;
    CommandTable m_commands;
    MenuRules m_menuRules;
    CRQ7150View* m_view = nullptr;
    std::unique_ptr<HelpWindow> m_help;
    std::map<Command, QAction*> m_actions;
    QLabel* m_datePane = nullptr;
    QLabel* m_timePane = nullptr;
    QTimer m_clock;
    bool m_exitConfirmed = false;
    GuiLinkUi m_linkUi;
    RadioLink m_link;
    BackupStore m_backups;
    SafeTransfer m_transfer;
    std::optional<RadioImage> m_radioData; // what the radio held after the last read or write of this run
    LinkRunner m_runner;
    // What test mode last read from the radio, kept from one Program > Test to the next; the
    // tuning-data page prints it.
    TestModeState m_testState;
    PrintCommands m_print;
    BoardCommands m_board;
};

} // namespace rpx::gui
