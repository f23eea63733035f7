// The rows of every area's commands: menu text, accelerator and help page.
#include "core/app/command_table.h"

#include "core/text/startup_texts.h"

namespace rpx {

void AddFileCommands(CommandTable& table) {
    table.Add(Command::FileNew, 3002003, "Ctrl+N", 1);
    table.Add(Command::FileOpen, 3002005, "Ctrl+O", 2);
    table.Add(Command::FileSave, 3002007, "Ctrl+S", 3);
    table.Add(Command::FileSaveAs, 3002009, "", 4);
    table.Add(Command::Backups, txt::kBackupsMenu, "", 1390);
    table.Add(Command::Print, 3002011, "Ctrl+P", 1357);
    table.Add(Command::PrintPreview, txt::kPrintPreviewMenu, "", 1357);
    table.Add(Command::ExportPdf, txt::kExportPdfMenu, "", 1357);
    table.Add(Command::ImportChannelPlan, txt::kImportPlanMenu, "", 1393);
    table.Add(Command::ExportChannelPlan, txt::kExportPlanMenu, "", 1393);
    table.Add(Command::Exit, 3002013, "", 5);
}

void AddModelAndFeatureCommands(CommandTable& table) {
    table.Add(Command::Model, 3002017, "", 1360);
    table.Add(Command::Optional, 3002021, "", 1361);
    table.Add(Command::Key, 3002023, "", 1362);
    table.Add(Command::Scan, 3002025, "", 1363);
    table.Add(Command::Dtmf, 3002027, "", 1364);
    table.Add(Command::Orbicall, 3019113, "", 1372);
    table.Add(Command::Emergency, 3002029, "", 1365);
    table.Add(Command::TestFrequency, 3002031, "", 1358);
    table.Add(Command::EmbeddedMessage, 3002033, "", 1366);
    table.Add(Command::FunctionPort, 3019115, "", 1373);
    table.Add(Command::SmarTrunk, 3019117, "", 1374);
    table.Add(Command::ExtendedSettings, 3002119, "", -1);
}

void AddRadioCommands(CommandTable& table) {
    table.Add(Command::Read, 3002037, "Ctrl+R", 1367);
    table.Add(Command::Write, 3002039, "Ctrl+W", 1368);
    table.Add(Command::Test, 3002041, "Ctrl+T", 1369);
    table.Add(Command::Memory, 3002043, "Ctrl+M", 1370);
    table.Add(Command::BoardRead, 3019119, "Ctrl+K", 1375);
    table.Add(Command::BoardWrite, 3019121, "Ctrl+B", 1376);
    table.Add(Command::BoardAlignment, 3019123, "Ctrl+A", 1377);
    table.Add(Command::RadioInfo, 3002057, "", 1359);
}

void AddSetupAndHelpCommands(CommandTable& table) {
    table.Add(Command::Port, 3002047, "", 1371);
    table.Add(Command::BoardPort, txt::kBoardPortMenu, "", 1392);
    table.Add(Command::WriteSafety, txt::kWriteSafetyMenu, "", 1391);
    table.Add(Command::WireTrace, txt::kWireTraceMenu, "", 1378);
    table.Add(Command::HelpTopics, 3002051, "", 0);
    table.Add(Command::About, 3002053, "", -1);
}

CommandTable ProgramCommands() {
    CommandTable table;
    AddFileCommands(table);
    AddModelAndFeatureCommands(table);
    AddRadioCommands(table);
    AddSetupAndHelpCommands(table);
    return table;
}

} // namespace rpx
