#include "cli/commands.h"
#include "core/radio/model_variant.h"

namespace rpx::cli {

int RunInfo(const CliContext& context) {
    if (!context.Open(context.line.args[0]))
        return kExitFailed;
    context.out << ComposeTitle(context.session.image, context.notifier.Texts(), context.session.titleFilePart)
                << '\n';
    return kExitOk;
}

} // namespace rpx::cli
