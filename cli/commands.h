#pragma once

#include <cstddef>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "core/backup/safe_transfer.h"

namespace rpx::cli {

struct Command {
    const char* name;
    const char* usage; // the arguments and options after the command name
    const char* summary;
    std::size_t minArgs;
    std::size_t maxArgs;
    std::set<std::string> valueOptions;
    std::set<std::string> flagOptions; // besides the common ones
    bool usesRadio;                    // takes the link options and needs the Qt core application
    int (*run)(const CliContext&);
};

// Every command of the tool, in the order the help lists them.
std::span<const Command> Commands();
const Command* FindCommand(const std::string& name);

int RunNew(const CliContext& context);
int RunInfo(const CliContext& context);
int RunShow(const CliContext& context);
int RunSet(const CliContext& context);
int RunRow(const CliContext& context);
int RunCopy(const CliContext& context);
int RunChannel(const CliContext& context);
int RunSettings(const CliContext& context);
int RunPrint(const CliContext& context);
int RunModel(const CliContext& context);
int RunTone(const CliContext& context);
int RunHex(const CliContext& context);
int RunPoke(const CliContext& context);
int RunPorts(const CliContext& context);
int RunRead(const CliContext& context);
int RunWrite(const CliContext& context);
int RunRadioInfo(const CliContext& context);
int RunBoard(const CliContext& context);
int RunBoardLink(const CliContext& context);
int RunDiff(const CliContext& context);
int RunExport(const CliContext& context);
int RunImport(const CliContext& context);
// Says where the operation's backup was kept, if it kept one.
void ReportBackup(std::ostream& out, const Notifier& notifier, const SafeTransfer& transfer);
// Write of the session's image to every port at once; the exit code.
int RunFleetWrite(const CliContext& context, const std::vector<std::string>& ports, WriteSafety safety,
                  const BackupStore& backups);

} // namespace rpx::cli
