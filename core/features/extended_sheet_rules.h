#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/features/feature_rules.h"
#include "core/radio/scoped_image_edit.h"

namespace rpx {

// The extended settings sheet (extended mode only) as one edit: each page is the rules class of the
// dialog that owns its bytes, opened inside the sheet's edit, so OK keeps and Cancel undoes every
// page at once. Its keys are the page's name, a point and the page's own key ("emergency.horn-time").
// The pages are listed once, in sheet order, in extended_sheet_rules.cpp.
class ExtendedSheetRules : public FeatureRules {
public:
    ExtendedSheetRules(Session& session, Notifier& notifier);

    std::string_view Name() const override { return "extended"; }
    std::vector<SettingField> Fields() const override;
    Status Set(std::string_view key, std::string_view value) override;
    // Every page's OK, then the sheet keeps the edit.
    bool Ok() override;
    static std::vector<SettingKey> Keys(const LanguageTable& texts);

    // The names of the pages, in sheet order.
    static std::vector<std::string> PageNames();
    // The rules of the page named name (one of PageNames()).
    FeatureRules& Page(std::string_view name);

private:
    Notifier& m_notifier;
    ScopedImageEdit m_edit; // opened before the pages, whose edits join it
    std::vector<std::unique_ptr<FeatureRules>> m_pages;
};

} // namespace rpx
