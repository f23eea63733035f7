#pragma once

namespace rpx {

// The commands of the menus, toolbar and accelerators, by their numeric command ids.
enum class Command : int {
    None = 0, // a separator, or a greyed menu item that lost its command
    FileNew = 57600,
    FileOpen = 57601,
    FileSave = 57603,
    FileSaveAs = 57604,
    Print = 32798,
    PrintPreview = 57609,
    ExportPdf = 32852, // the printed record as a PDF file
    Exit = 57665,
    Model = 32773,
    Optional = 32774,
    Key = 32775,
    Scan = 32776,
    Dtmf = 32777,
    Orbicall = 32809,
    Emergency = 32778,
    TestFrequency = 32779,
    EmbeddedMessage = 32780,
    FunctionPort = 32810,
    SmarTrunk = 32811,
    ExtendedSettings = 32790,
    Read = 32781,
    Write = 32782,
    Test = 32783,
    Memory = 32784,
    BoardRead = 32812,
    BoardWrite = 32813,
    BoardAlignment = 32814,
    RadioInfo = 32799,
    Port = 32786,
    WireTrace = 32850, // Setup: trace the serial line to a file, for a report
    BoardPort = 32851, // Setup: the device of the trunking board's port
    Backups = 32855,     // File: open a backup of what a radio held
    WriteSafety = 32856, // Setup: backups, read back and changes shown around a write
    // File: a CSV channel plan applied to the channels, and the channels as one
    ImportChannelPlan = 32857,
    ExportChannelPlan = 32858,
    HelpTopics = 57667,
    About = 57664,
};

} // namespace rpx
