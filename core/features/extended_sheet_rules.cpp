#include "core/features/extended_sheet_rules.h"

#include <algorithm>
#include <stdexcept>

#include "core/features/dtmf_rules.h"
#include "core/features/emergency_rules.h"
#include "core/features/function_port_rules.h"
#include "core/features/key_page_rules.h"
#include "core/features/optional_rules.h"
#include "core/features/scrambler_rules.h"
#include "core/features/setting_values.h"

namespace rpx {

namespace {

struct PageRow {
    std::string_view name;
    std::unique_ptr<FeatureRules> (*open)(Session&, Notifier&);
    std::vector<SettingKey> (*keys)(const LanguageTable&);
    // The keys of the dialog's rules that the page shows; empty for all of them.
    std::vector<std::string_view> shown = {};

    bool Shows(std::string_view key) const {
        return shown.empty() || std::ranges::find(shown, key) != shown.end();
    }
};

template <class Rules> std::unique_ptr<FeatureRules> OpenPage(Session& session, Notifier& notifier) {
    return std::make_unique<Rules>(session, notifier);
}

template <class Rules> PageRow Page(std::string_view name) {
    return {name, &OpenPage<Rules>, &Rules::Keys};
}

std::unique_ptr<FeatureRules> OpenEmergencyPage(Session& session, Notifier& notifier) {
    return std::make_unique<EmergencyRules>(session, notifier, EditScope::SheetPage);
}

std::vector<SettingKey> EmergencyPageKeys(const LanguageTable& texts) {
    return EmergencyRules::Keys(texts, EditScope::SheetPage);
}

template <class Rules> std::unique_ptr<FeatureRules> OpenSheetPage(Session& session, Notifier& notifier) {
    return std::make_unique<Rules>(session, notifier, EditScope::SheetPage);
}

// The pages in sheet order, one row each: the function port page first, then Page<ScramblerRules>,
// the optional features' data channel, the keys, the emergency outputs and the DTMF horn alert.
const std::vector<PageRow> kPages = {
    {"function-port",
     &OpenSheetPage<FunctionPortRules>,
     &FunctionPortRules::Keys,
     {"port-1", "port-2", "port-3", "port-4", "port-5", "port-6", "port-7", "port-8"}},
    Page<ScramblerRules>("scrambler"),
    {"optional", &OpenSheetPage<OptionalRules>, &OptionalRules::Keys, {"data-channel"}},
    Page<KeyPageRules>("key"),
    {"emergency", &OpenEmergencyPage, &EmergencyPageKeys},
    {"dtmf", &OpenPage<DtmfRules>, &DtmfRules::Keys, {"horn-alert-logic", "horn-alert-time"}},
};

} // namespace

ExtendedSheetRules::ExtendedSheetRules(Session& session, Notifier& notifier)
    : m_notifier(notifier), m_edit(session.image, session.snapshot, ScopedImageEdit::Scope::Sheet) {
    for (const PageRow& row : kPages)
        m_pages.push_back(row.open(session, notifier));
}

std::vector<std::string> ExtendedSheetRules::PageNames() {
    std::vector<std::string> names;
    for (const PageRow& row : kPages)
        names.emplace_back(row.name);
    return names;
}

FeatureRules& ExtendedSheetRules::Page(std::string_view name) {
    const auto it = std::ranges::find(kPages, name, &PageRow::name);
    if (it == kPages.end())
        throw std::out_of_range("the extended sheet has no such page");
    return *m_pages[static_cast<std::size_t>(it - kPages.begin())];
}

std::vector<SettingField> ExtendedSheetRules::Fields() const {
    std::vector<SettingField> fields;
    for (std::size_t i = 0; i < kPages.size(); ++i)
        for (SettingField& field : m_pages[i]->Fields())
            if (kPages[i].Shows(field.key)) {
                field.key = std::string(kPages[i].name) + '.' + field.key;
                fields.push_back(std::move(field));
            }
    return fields;
}

Status ExtendedSheetRules::Set(std::string_view key, std::string_view value) {
    const std::size_t point = key.find('.');
    const auto it = std::ranges::find(kPages, key.substr(0, point), &PageRow::name);
    if (point == std::string_view::npos || it == kPages.end() || !it->Shows(key.substr(point + 1)))
        return UnknownKey(key, m_notifier);
    return m_pages[static_cast<std::size_t>(it - kPages.begin())]->Set(key.substr(point + 1), value);
}

bool ExtendedSheetRules::Ok() {
    for (const auto& page : m_pages)
        if (!page->Ok())
            return false;
    m_edit.Commit();
    return true;
}

std::vector<SettingKey> ExtendedSheetRules::Keys(const LanguageTable& texts) {
    std::vector<SettingKey> keys;
    for (const PageRow& row : kPages)
        for (SettingKey key : row.keys(texts)) {
            if (!row.Shows(key.key))
                continue;
            key.key = std::string(row.name) + '.' + key.key;
            keys.push_back(std::move(key));
        }
    return keys;
}

} // namespace rpx
