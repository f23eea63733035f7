// Which handler of the window runs each command, area by area. A command left out here stands
// greyed in the menus and its accelerator does nothing.
#include "gui/app/main_frame.h"

namespace rpx::gui {

void CMainFrame::HandleCommands() {
    HandleFileCommands();
    HandleModelCommands();
    HandleRadioCommands();
    HandleSetupAndHelpCommands();
}

void CMainFrame::Handle(Command command, void (CMainFrame::*handler)()) {
    // While a radio operation runs the program does nothing else.
    m_commands.Handle(
        command, [this, handler] { (this->*handler)(); }, [this] { return !m_runner.Running(); });
}

void CMainFrame::HandleFileCommands() {
    Handle(Command::FileNew, &CMainFrame::OnFileNew);
    Handle(Command::FileOpen, &CMainFrame::OnFileOpen);
    Handle(Command::FileSave, &CMainFrame::OnFileSave);
    Handle(Command::FileSaveAs, &CMainFrame::OnFileSaveAs);
    Handle(Command::Print, &CMainFrame::OnFilePrint);
    Handle(Command::PrintPreview, &CMainFrame::OnFilePrintPreview);
    Handle(Command::ExportPdf, &CMainFrame::OnExportPdf);
    Handle(Command::ImportChannelPlan, &CMainFrame::OnImportChannelPlan);
    Handle(Command::ExportChannelPlan, &CMainFrame::OnExportChannelPlan);
    Handle(Command::Backups, &CMainFrame::OnFileBackups);
    Handle(Command::Exit, &CMainFrame::OnExit);
}

void CMainFrame::HandleModelCommands() {
    Handle(Command::Model, &CMainFrame::OnModel);
    Handle(Command::Optional, &CMainFrame::OnOptional);
    Handle(Command::Key, &CMainFrame::OnKeyAssignment);
    Handle(Command::Scan, &CMainFrame::OnScan);
    Handle(Command::Dtmf, &CMainFrame::OnDtmf);
    Handle(Command::Orbicall, &CMainFrame::OnOrbicall);
    Handle(Command::EmbeddedMessage, &CMainFrame::OnEmbeddedMessage);
    Handle(Command::TestFrequency, &CMainFrame::OnTestFrequency);
    Handle(Command::FunctionPort, &CMainFrame::OnFunctionPort);
    Handle(Command::Emergency, &CMainFrame::OnEmergency);
    Handle(Command::ExtendedSettings, &CMainFrame::OnExtendedSettings);
    Handle(Command::SmarTrunk, &CMainFrame::OnSmarTrunk);
}

void CMainFrame::HandleRadioCommands() {
    Handle(Command::Read, &CMainFrame::OnProgramRead);
    Handle(Command::Write, &CMainFrame::OnProgramWrite);
    Handle(Command::Test, &CMainFrame::OnProgramTest);
    Handle(Command::Memory, &CMainFrame::OnProgramMemory);
    Handle(Command::RadioInfo, &CMainFrame::OnToolsRadioInfo);
    Handle(Command::BoardRead, &CMainFrame::OnReadBoard);
    Handle(Command::BoardWrite, &CMainFrame::OnWriteBoard);
    Handle(Command::BoardAlignment, &CMainFrame::OnTrunkingMode);
}

void CMainFrame::HandleSetupAndHelpCommands() {
    Handle(Command::Port, &CMainFrame::OnSetupPort);
    Handle(Command::WriteSafety, &CMainFrame::OnSetupWriteSafety);
    Handle(Command::WireTrace, &CMainFrame::OnSetupWireTrace);
    Handle(Command::BoardPort, &CMainFrame::OnSetupBoardPort);
    Handle(Command::HelpTopics, &CMainFrame::OnHelpTopics);
    Handle(Command::About, &CMainFrame::OnAppAbout);
}

} // namespace rpx::gui
