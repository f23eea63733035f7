#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "core/features/feature_rules.h"

namespace rpx::cli {

namespace {

std::string DialogNames() {
    std::string names;
    for (const std::string& name : FeatureRulesNames(true))
        names += (names.empty() ? "" : " ") + name;
    return names;
}

int PrintKeys(const CliContext& context) {
    for (const std::string& name : FeatureRulesNames(context.session.extendedMode))
        for (const SettingKey& key : FeatureRulesKeys(name, context.notifier.Texts()))
            context.out << name << '.' << key.key << " (" << key.form << "): " << key.range << '\n';
    return kExitOk;
}

int PrintFields(const CliContext& context, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        const auto rules = OpenFeatureRules(name, context.session, context.notifier);
        for (const SettingField& field : rules->Fields())
            context.out << name << '.' << field.key << ':' << (field.text.empty() ? "" : " ") << field.text
                        << '\n';
    }
    return kExitOk;
}

} // namespace

// Shows the fields of the feature dialogs, or makes edits in one as a user would, one after the
// other, and confirms it with OK. A value the dialog refuses saves nothing.
int RunSettings(const CliContext& context) {
    const auto& args = context.line.args;
    if (context.line.Has("keys")) {
        if (!args.empty())
            return context.UsageError("--keys takes no other arguments");
        return PrintKeys(context);
    }
    if (args.empty())
        return context.UsageError("a data file is needed, or --keys");
    std::vector<std::string> names = FeatureRulesNames(context.session.extendedMode);
    if (args.size() > 1) {
        if (NeedsExtendedMode(args[1]) && !context.session.extendedMode)
            return context.UsageError(args[1] + " settings exist only in extended mode: add --extended");
        if (std::ranges::find(names, args[1]) == names.end())
            return context.UsageError("DIALOG is one of " + DialogNames() + ", not " + args[1]);
        names = {args[1]};
    }
    const std::vector<SettingKey> keys = FeatureRulesKeys(names.front(), context.notifier.Texts());
    std::vector<KeyValue> edits;
    for (auto word = args.begin() + std::min<std::ptrdiff_t>(2, args.size()); word != args.end(); ++word) {
        const std::optional<KeyValue> edit = ParseKeyValue(*word);
        if (!edit || std::ranges::find(keys, edit->key, &SettingKey::key) == keys.end())
            return context.UsageError("expected KEY=VALUE with a KEY that settings --keys lists for " +
                                      names.front() + ", not " + *word);
        edits.push_back(*edit);
    }
    if (!context.Open(args[0]))
        return kExitFailed;
    if (edits.empty())
        return PrintFields(context, names);

    auto rules = OpenFeatureRules(names.front(), context.session, context.notifier);
    for (const KeyValue& edit : edits) {
        if (const Status set = rules->Set(edit.key, edit.value); !set) {
            context.err << names.front() << '.' << edit.key << '=' << edit.value << ": " << set.Message()
                        << "\nNothing was saved.\n";
            return kExitFailed;
        }
    }
    if (!rules->Ok())
        return kExitFailed;
    rules.reset();
    return context.SaveTo(args[0]);
}

} // namespace rpx::cli
