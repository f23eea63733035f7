#include <optional>

#include "cli/commands.h"
#include "core/exchange/image_diff.h"

namespace rpx::cli {

namespace {

std::optional<RadioImage> OpenImage(const CliContext& context, const std::string& path) {
    Session session;
    session.extendedMode = context.session.extendedMode;
    Document document(session, context.notifier);
    return document.FileOpen(path) ? std::optional<RadioImage>(session.image) : std::nullopt;
}

} // namespace

// What turns the first data file into the second, by field and by the offsets of bytes no field
// shows; like diff(1): 0 when equal, 1 when different, 2 when a file cannot be compared.
int RunDiff(const CliContext& context) {
    const std::optional<RadioImage> before = OpenImage(context, context.line.args[0]);
    const std::optional<RadioImage> after = before ? OpenImage(context, context.line.args[1]) : std::nullopt;
    if (!after)
        return kExitUsage;
    const ImageDiff diff =
        DiffImages(*before, *after, context.session.extendedMode, context.notifier.Texts());
    for (const std::string& line : DiffLines(diff))
        context.out << line << '\n';
    return diff.Empty() ? kExitOk : kExitFailed;
}

} // namespace rpx::cli
