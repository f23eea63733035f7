#include "cli/commands.h"
#include "core/editor/channel_grid_editor.h"

namespace rpx::cli {

int RunRow(const CliContext& context) {
    const auto& args = context.line.args;
    const bool insert = args[1] == "insert";
    if (!insert && args[1] != "delete")
        return context.UsageError("the row command is insert or delete, not " + args[1]);
    unsigned long row = 0;
    if (!ParseChannelRow(args[2], row))
        return context.UsageError("CH is a channel row from 1 to 8");
    if (!context.Open(args[0]))
        return kExitFailed;
    ChannelGridEditor grid(context.session, context.notifier);
    grid.RefreshTrunkingRows();
    const int r = static_cast<int>(row);
    if (!(insert ? grid.InsertChannel(r) : grid.DeleteChannel(r))) {
        context.err << "row " << r << ": nothing to " << args[1]
                    << " (the row is hidden, disabled or kept for trunking, or its group is full)\n";
        return kExitFailed;
    }
    return context.SaveTo(args[0]);
}

int RunCopy(const CliContext& context) {
    const auto& args = context.line.args;
    unsigned long from = 0;
    unsigned long to = 0;
    if (!ParseChannelRow(args[1], from) || !ParseChannelRow(args[2], to))
        return context.UsageError("FROM and TO are channel rows from 1 to 8");
    if (!context.Open(args[0]))
        return kExitFailed;
    ChannelGridEditor grid(context.session, context.notifier);
    grid.RefreshTrunkingRows();
    if (!grid.CanCopyFrom(static_cast<int>(from)) || !grid.CopyChannel(static_cast<int>(from), static_cast<int>(to))) {
        context.err << "channel " << from << " cannot be copied to " << to
                    << " (an empty, hidden, disabled or trunking row)\n";
        return kExitFailed;
    }
    return context.SaveTo(args[0]);
}

} // namespace rpx::cli
