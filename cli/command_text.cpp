#include "cli/commands.h"
#include "core/app/regular_file.h"
#include "core/exchange/image_text.h"
#include "core/radio/safe_file_writer.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"

namespace rpx::cli {

namespace {

constexpr std::size_t kLongestText = 1 << 20; // far more than any text of a data file

} // namespace

// The data file as text (see ImageToText), on standard output or into -o FILE.
int RunExport(const CliContext& context) {
    const std::string* format = context.line.Value("format");
    if (format != nullptr && *format != "text")
        return context.UsageError("--format is text");
    if (!context.Open(context.line.args[0]))
        return kExitFailed;
    const std::string text =
        ImageToText(context.session.image, context.session.extendedMode, context.notifier.Texts());
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

// A data file from a text that export made (and a user may have edited).
int RunImport(const CliContext& context) {
    const std::string* output = context.line.Value("o");
    if (output == nullptr)
        return context.UsageError("-o FILE names the data file to write");
    const std::string& input = context.line.args[0];
    const Result<std::vector<uint8_t>> bytes =
        ReadRegularFile(input, kLongestText, context.notifier.Text(txt::kNotRegularFile));
    if (!bytes) {
        context.notifier.ShowFilled(txt::kOpenFailed, input, bytes.Message(), txt::kCaptionError,
                                    MessageButtons::Ok, MessageIcon::Stop);
        return kExitFailed;
    }
    const std::string text(bytes->begin(), bytes->end());
    Result<RadioImage> image = ImageFromText(text, context.session.extendedMode, context.notifier);
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
