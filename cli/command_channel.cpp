#include <optional>
#include <string>

#include "cli/commands.h"
#include "core/exchange/channel_fields.h"

namespace rpx::cli {

namespace {

struct Edit {
    std::string text; // KEY=VALUE as given
    const ChannelFieldKey* key;
    std::string value;
};

std::string KeyNames() {
    std::string names;
    for (const ChannelFieldKey& key : ChannelFieldKeys())
        names += std::string(names.empty() ? "" : " ") + key.name;
    return names;
}

// The edit a KEY=VALUE word names; std::nullopt when KEY is none of the dialog's fields.
std::optional<Edit> ParseEdit(const std::string& word) {
    const std::optional<KeyValue> edit = ParseKeyValue(word);
    const ChannelFieldKey* key = edit ? FindChannelFieldKey(edit->key) : nullptr;
    if (key == nullptr)
        return std::nullopt;
    return Edit{word, key, edit->value};
}

} // namespace

// Shows the fields of the channel detail dialog for one row, or makes edits in it as a user would,
// one after the other, and confirms it with OK. An edit the dialog would refuse saves nothing.
int RunChannel(const CliContext& context) {
    const auto& args = context.line.args;
    unsigned long row = 0;
    if (!ParseChannelRow(args[1], row))
        return context.UsageError("CH is a channel row from 1 to 8");
    std::vector<Edit> edits;
    for (auto word = args.begin() + 2; word != args.end(); ++word) {
        const std::optional<Edit> edit = ParseEdit(*word);
        if (!edit)
            return context.UsageError("expected KEY=VALUE with KEY one of " + KeyNames() + ", not " + *word);
        edits.push_back(*edit);
    }
    if (!context.Open(args[0]))
        return kExitFailed;

    ChannelGridEditor(context.session, context.notifier).RefreshTrunkingRows();
    ChannelDetailRules rules(context.session, context.notifier, static_cast<int>(row));
    if (!rules.Opens()) {
        context.err << "row " << row
                    << ": its channel dialog cannot be opened here (a hidden or disabled row, or one that "
                       "opens the trunking channel dialog)\n";
        return kExitFailed;
    }
    rules.Open();
    if (edits.empty()) {
        for (const ChannelFieldKey& key : ChannelFieldKeys()) {
            const std::string shown = ChannelFieldText(rules, key);
            context.out << key.name << ':' << (shown.empty() ? "" : " ") << shown << '\n';
        }
        rules.Cancel();
        return kExitOk;
    }
    for (const Edit& edit : edits) {
        if (const Status set = SetChannelField(rules, *edit.key, edit.value); !set)
            return context.UsageError(edit.text + ": " + set.Message() + "; nothing was saved");
    }
    rules.Ok();
    return context.SaveTo(args[0]);
}

} // namespace rpx::cli
