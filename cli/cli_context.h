#pragma once

#include <ostream>
#include <string>

#include "cli/command_line.h"
#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/radio/document.h"

namespace rpx::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; // the program refused or failed; the messages say why
inline constexpr int kExitUsage = 2;

// What a command works with: its words, the output streams and the program's core objects.
struct CliContext {
    const CommandLine& line;
    std::ostream& out;
    std::ostream& err;
    Notifier& notifier;
    Session& session;
    Document& document;

    // Reports a usage error of the running command and gives its exit code.
    int UsageError(const std::string& reason) const;
    // File > Open of a data file into the session. The file stays locked until the command ends,
    // so that another program cannot change it between this read and the command's save.
    bool Open(const std::string& path) const { return document.LockFile(path) && document.FileOpen(path); }
    // Saves the session's image to path as Save As does; the exit code of the command.
    int SaveTo(const std::string& path) const { return document.FileSaveAs(path) ? kExitOk : kExitFailed; }
};

} // namespace rpx::cli
