#include "core/features/feature_rules.h"

#include <algorithm>

namespace rpx {

namespace {

using Opener = std::unique_ptr<FeatureRules> (*)(Session&, Notifier&);

struct Entry {
    std::string_view name;
    Opener open;
};

template <class Rules>
std::unique_ptr<FeatureRules> Open(Session& session, Notifier& notifier) {
    return std::make_unique<Rules>(session, notifier);
}

// One row per feature dialog, in Edit-menu order.
const std::vector<Entry> kEntries = {
};

} // namespace

std::unique_ptr<FeatureRules> OpenFeatureRules(std::string_view name, Session& session, Notifier& notifier) {
    const auto it = std::ranges::find(kEntries, name, &Entry::name);
    return it == kEntries.end() ? nullptr : it->open(session, notifier);
}

std::vector<std::string> FeatureRulesNames() {
    std::vector<std::string> names;
    for (const Entry& entry : kEntries)
        names.emplace_back(entry.name);
    return names;
}

} // namespace rpx
