#include "core/features/feature_rules.h"

#include <algorithm>

#include "core/features/dtmf_rules.h"
#include "core/features/emergency_rules.h"
#include "core/features/extended_sheet_rules.h"
#include "core/features/function_port_rules.h"
#include "core/features/key_assignment_rules.h"
#include "core/features/message_rules.h"
#include "core/features/optional_rules.h"
#include "core/features/orbicall_rules.h"
#include "core/features/scan_rules.h"
#include "core/features/test_frequency_rules.h"

namespace rpx {

namespace {

using Opener = std::unique_ptr<FeatureRules> (*)(Session&, Notifier&);
using KeyLister = std::vector<SettingKey> (*)(const LanguageTable&);

struct Entry {
    std::string_view name;
    Opener open;
    KeyLister keys;
    bool extendedOnly = false;
};

template <class Rules>
std::unique_ptr<FeatureRules> Open(Session& session, Notifier& notifier) {
    return std::make_unique<Rules>(session, notifier);
}

template <class Rules> Entry Row(std::string_view name, bool extendedOnly = false) {
    return {name, &Open<Rules>, &Rules::Keys, extendedOnly};
}

// One row per feature dialog, in Edit-menu order: Row<ScanRules>("scan"), ...
const std::vector<Entry> kEntries = {
    Row<OptionalRules>("optional"),
    Row<KeyAssignmentRules>("key"),
    Row<ScanRules>("scan"),
    Row<DtmfRules>("dtmf"),
    Row<OrbicallRules>("orbicall"),
    Row<EmergencyRules>("emergency"),
    Row<TestFrequencyRules>("test-frequency"),
    Row<MessageRules>("message"),
    Row<FunctionPortRules>("function-port"),
    Row<ExtendedSheetRules>("extended", true),
};

} // namespace

std::unique_ptr<FeatureRules> OpenFeatureRules(std::string_view name, Session& session, Notifier& notifier) {
    const auto it = std::ranges::find(kEntries, name, &Entry::name);
    return it == kEntries.end() ? nullptr : it->open(session, notifier);
}

std::vector<std::string> FeatureRulesNames(bool extendedMode) {
    std::vector<std::string> names;
    for (const Entry& entry : kEntries)
        if (extendedMode || !entry.extendedOnly)
            names.emplace_back(entry.name);
    return names;
}

bool NeedsExtendedMode(std::string_view name) {
    const auto it = std::ranges::find(kEntries, name, &Entry::name);
    return it != kEntries.end() && it->extendedOnly;
}

std::vector<SettingKey> FeatureRulesKeys(std::string_view name, const LanguageTable& texts) {
    const auto it = std::ranges::find(kEntries, name, &Entry::name);
    return it == kEntries.end() ? std::vector<SettingKey>{} : it->keys(texts);
}

} // namespace rpx
