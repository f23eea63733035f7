#include "cli/commands.h"
#include "core/radio/model_dialog_rules.h"

namespace rpx::cli {

// The Model dialog as a user drives it: pick the model, maybe a Freq entry, press OK.
int RunModel(const CliContext& context) {
    const std::string& path = context.line.args[0];
    const std::string& model = context.line.args[1];
    const auto variants = ModelVariants();
    int modelIndex = -1;
    for (std::size_t i = 0; i < variants.size(); ++i)
        if (model == variants[i].modelString)
            modelIndex = static_cast<int>(i);
    if (modelIndex < 0)
        return context.UsageError("unknown model " + model);
    if (!context.Open(path))
        return kExitFailed;

    ModelDialogRules dialog(context.session, context.notifier);
    dialog.Open();
    // Clicking the entry that is already selected changes nothing.
    if (dialog.ModelSelection() != modelIndex)
        dialog.SelectModel(modelIndex);
    if (const std::string* freq = context.line.Value("freq")) {
        unsigned long index = 0;
        const std::size_t entries = dialog.FreqListItems().size();
        if (!ParseDecimal(*freq, entries - 1, index)) {
            dialog.Cancel();
            return context.UsageError("--freq takes an entry index from 0 to " + std::to_string(entries - 1));
        }
        dialog.SelectFreq(static_cast<int>(index));
    }
    if (!dialog.Ok()) {
        // The question was declined; the user then leaves the dialog with Cancel.
        dialog.Cancel();
        return kExitFailed;
    }
    dialog.ApplyAfterClose();
    return context.SaveTo(path);
}

} // namespace rpx::cli
