#include "cli/commands.h"
#include "core/radio/image_defaults.h"
#include "core/radio/model_variant.h"
#include "core/text/text_ids.h"

namespace rpx::cli {

// The image the program starts with when its Model setting holds the model string followed by
// the range code: an empty setting without --model and --code.
int RunNew(const CliContext& context) {
    const std::string* model = context.line.Value("model");
    const std::string* code = context.line.Value("code");
    std::string setting;
    if (model != nullptr || code != nullptr) {
        const ModelVariant* variant = FindModelVariant(model != nullptr ? *model : "MDL2A");
        if (variant == nullptr)
            return context.UsageError("unknown model " + *model);
        unsigned long rangeCode = variant->rangeCodes.front();
        if (code != nullptr && (!ParseHex(*code, 0xFF, rangeCode) || rangeCode == 0))
            return context.UsageError("--code takes a hexadecimal byte from 0x01 to 0xFF");
        setting = std::string(variant->modelString) + static_cast<char>(rangeCode);
    }
    MakeFirstImage(context.session.image, setting, context.session.extendedMode);
    context.session.titleFilePart = context.notifier.Text(txt::kUntitled);
    return context.SaveTo(context.line.args[0]);
}

} // namespace rpx::cli
