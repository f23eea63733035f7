#include "cli/link_command.h"
#include "core/link/radio_info.h"

namespace rpx::cli {

namespace {
constexpr TextId kModelLabel = 3005023;
constexpr TextId kBandLabel = 3005027;
constexpr TextId kTextLabel = 3019001;
} // namespace

// Tools > Radio information: the dialog's three fields, one a line.
int RunRadioInfo(const CliContext& context) {
    LinkCommand command(context);
    int exitCode = kExitOk;
    if (!command.Prepare(exitCode))
        return exitCode;
    RadioInformation information;
    if (!OnToolsRadioInfo(command.Link(), information))
        return kExitFailed;
    const LanguageTable& texts = context.notifier.Texts();
    const RadioInfoFields fields = DescribeRadioInfo(information, texts);
    context.out << texts.GetText(kModelLabel, TextMode::WithoutMnemonics) << ": " << fields.model << '\n'
                << texts.GetText(kBandLabel, TextMode::WithoutMnemonics) << ": " << fields.bandAndVersion << '\n'
                << texts.GetText(kTextLabel, TextMode::WithoutMnemonics) << ": " << fields.text << '\n';
    return kExitOk;
}

} // namespace rpx::cli
