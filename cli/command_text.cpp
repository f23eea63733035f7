#include <optional>

#include "cli/commands.h"
#include "core/app/regular_file.h"
#include "core/editor/channel_grid_editor.h"
#include "core/exchange/channel_plan_csv.h"
#include "core/exchange/image_text.h"
#include "core/radio/safe_file_writer.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"

namespace rpx::cli {

namespace {

constexpr std::size_t kLongestText = 1 << 20; // far more than any text of a data file or channel plan

// The text of a file import reads; nothing, after telling the user, when it cannot be read.
std::optional<std::string> ReadInput(const CliContext& context, const std::string& path) {
    const Result<std::vector<uint8_t>> bytes =
        ReadRegularFile(path, kLongestText, context.notifier.Text(txt::kNotRegularFile));
    if (!bytes) {
        context.notifier.ShowFilled(txt::kOpenFailed, path, bytes.Message(), txt::kCaptionError,
                                    MessageButtons::Ok, MessageIcon::Stop);
        return std::nullopt;
    }
    return std::string(bytes->begin(), bytes->end());
}

// A CSV channel plan applied to the data file itself, each row as the channel dialog stores it; one
// line per value the rules changed or refused. What was accepted is saved even when a value was
// refused, and the exit code then says so.
int ImportChannelPlanInto(const CliContext& context, const std::string& plan, const std::string& file) {
    const std::optional<std::string> csv = ReadInput(context, plan);
    if (!csv || !context.Open(file))
        return kExitFailed;
    ChannelGridEditor(context.session, context.notifier).RefreshTrunkingRows();
    const Result<ChannelPlanReport> report =
        ImportChannelPlan(context.session, context.notifier.Texts(), *csv);
    if (!report) {
        context.err << plan << ": " << report.Message() << '\n';
        return kExitFailed;
    }
    for (const ChannelPlanNote& note : report->notes)
        context.out << note.location << ": " << note.text << '\n';
    const int saved = context.SaveTo(file);
    return saved == kExitOk && report->AnyRefused() ? kExitFailed : saved;
}

} // namespace

// The data file as text (see ImageToText) or its channels as a CSV channel plan, on standard output
// or into -o FILE.
int RunExport(const CliContext& context) {
    const std::string* format = context.line.Value("format");
    const bool csv = format != nullptr && *format == "csv";
    if (format != nullptr && *format != "text" && !csv)
        return context.UsageError("--format is text or csv");
    if (!context.Open(context.line.args[0]))
        return kExitFailed;
    const std::string text =
        csv ? ChannelPlanToCsv(context.session.image)
            : ImageToText(context.session.image, context.session.extendedMode, context.notifier.Texts());
    const std::string* output = context.line.Value("o");
    if (output == nullptr) {
        context.out << text;
        return kExitOk;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    if (const Status written = WriteFileSafely(*output, {bytes, text.size()}); !written) {
        context.notifier.ShowFilled(txt::kSaveFailed, *output, written.Message(), txt::kCaptionError,
                                    MessageButtons::Ok, MessageIcon::Stop);
        return kExitFailed;
    }
    return kExitOk;
}

// A data file from a text that export made (and a user may have edited): TEXT -o FILE; or, with two
// files named, a channel plan applied to a data file: PLAN FILE.
int RunImport(const CliContext& context) {
    const std::string* output = context.line.Value("o");
    const auto& args = context.line.args;
    if (args.size() == 2)
        return output != nullptr ? context.UsageError("a channel plan is applied to FILE itself, without -o")
                                 : ImportChannelPlanInto(context, args[0], args[1]);
    if (output == nullptr)
        return context.UsageError("-o FILE names the data file to write");
    const std::string& input = args[0];
    const std::optional<std::string> text = ReadInput(context, input);
    if (!text)
        return kExitFailed;
    Result<RadioImage> image = ImageFromText(*text, context.session.extendedMode, context.notifier);
    if (!image) {
        context.err << input << ": " << image.Message() << '\n';
        return kExitFailed;
    }
    if (!context.document.LockFile(*output))
        return kExitFailed;
    context.session.image = *image;
    return context.SaveTo(*output);
}

} // namespace rpx::cli
