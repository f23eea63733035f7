#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "cli/link_command.h"
#include "core/backup/safe_transfer.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"

namespace rpx::cli {

namespace {

// Why no data file can be created at path, in the system's words; empty when its folder takes one.
// Asked before the radio is read, so a slip in the name does not cost a whole read.
std::string CannotCreate(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    struct stat info {};
    int error = 0;
    if (stat(folder.c_str(), &info) != 0)
        error = errno;
    else if (!S_ISDIR(info.st_mode))
        error = ENOTDIR;
    else if (access(folder.c_str(), W_OK | X_OK) != 0)
        error = errno;
    else if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        error = EISDIR;
    return error != 0 ? std::generic_category().message(error) : std::string();
}

} // namespace

void ReportBackup(std::ostream& out, const Notifier& notifier, const SafeTransfer& transfer) {
    if (transfer.LastBackup())
        out << notifier.Filled(txt::kBackupKept, transfer.LastBackup()->string(), "") << '\n';
}

// Program > Read into a new data file; nothing is written unless the whole read succeeded.
int RunRead(const CliContext& context) {
    const std::string* output = context.line.Value("o");
    if (output == nullptr)
        return context.UsageError("-o FILE names the data file to create");
    if (const std::string reason = CannotCreate(*output); !reason.empty()) {
        context.notifier.ShowFilled(txt::kSaveFailed, *output, reason, txt::kCaptionError, MessageButtons::Ok,
                                    MessageIcon::Stop);
        return kExitFailed;
    }
    LinkCommand command(context);
    int exitCode = kExitOk;
    if (!command.Prepare(exitCode))
        return exitCode;
    const BackupStore backups(DefaultBackupFolder());
    SafeTransfer transfer(command.Link(), context.session, context.notifier, backups, {});
    if (!transfer.OnProgramRead())
        return kExitFailed;
    ReportBackup(context.err, context.notifier, transfer);
    return context.SaveTo(*output);
}

// Program > Write of a data file, with a backup first (--backup) and a read back (--verify) when
// asked; several --port options write every radio at once. A file that cannot be opened stops it
// before a port is opened.
int RunWrite(const CliContext& context) {
    const auto ports = context.line.everyValue.find("port");
    if (ports != context.line.everyValue.end() && ports->second.size() > 1 && context.line.Value("trace"))
        return context.UsageError("--trace logs one port; leave it out when writing several radios");
    if (!context.Open(context.line.args[0]))
        return kExitFailed;
    const WriteSafety safety{context.line.Has("backup"), context.line.Has("verify"), false};
    const BackupStore backups(DefaultBackupFolder());
    if (ports != context.line.everyValue.end() && ports->second.size() > 1)
        return RunFleetWrite(context, ports->second, safety, backups);
    LinkCommand command(context);
    int exitCode = kExitOk;
    if (!command.Prepare(exitCode))
        return exitCode;
    SafeTransfer transfer(command.Link(), context.session, context.notifier, backups, safety);
    const bool written = transfer.OnProgramWrite();
    ReportBackup(context.err, context.notifier, transfer);
    return written ? kExitOk : kExitFailed;
}

} // namespace rpx::cli
