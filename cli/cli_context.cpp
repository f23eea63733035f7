#include "cli/cli_context.h"

#include "cli/commands.h"

namespace rpx::cli {

int CliContext::UsageError(const std::string& reason) const {
    err << reason << '\n';
    if (const Command* command = FindCommand(line.command))
        err << "usage: rpx41c-cli " << command->name << ' ' << command->usage << '\n';
    return kExitUsage;
}

} // namespace rpx::cli
