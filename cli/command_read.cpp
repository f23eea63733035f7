#include "cli/link_command.h"
#include "core/link/transfer_commands.h"

namespace rpx::cli {

// Program > Read into a new data file; nothing is written unless the whole read succeeded.
int RunRead(const CliContext& context) {
    const std::string* output = context.line.Value("o");
    if (output == nullptr)
        return context.UsageError("-o FILE names the data file to create");
    LinkCommand command(context);
    int exitCode = kExitOk;
    if (!command.Prepare(exitCode))
        return exitCode;
    TransferCommands transfer(command.Link(), context.session, context.notifier);
    if (!transfer.OnProgramRead())
        return kExitFailed;
    return context.SaveTo(*output);
}

// Program > Write of a data file.
int RunWrite(const CliContext& context) {
    LinkCommand command(context);
    int exitCode = kExitOk;
    if (!command.Prepare(exitCode))
        return exitCode;
    if (!context.Open(context.line.args[0]))
        return kExitFailed;
    TransferCommands transfer(command.Link(), context.session, context.notifier);
    return transfer.OnProgramWrite() ? kExitOk : kExitFailed;
}

} // namespace rpx::cli
