#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/result.h"
#include "core/app/session.h"
#include "core/text/language_table.h"

namespace rpx {

// One field of a feature dialog as the dialog shows it: a short, stable, lower-case-hyphenated key
// (e.g. "revert-channel"), the text the control shows and the text of the field's label in the
// dialog. A field in a row of a table has no label of its own: it takes its column's heading (or
// the table's name) and the row number as labelSuffix (e.g. " 3"). The printed record shows the
// label followed by the suffix.
struct SettingField {
    std::string key;
    std::string text;
    TextId label = 0;
    std::string labelSuffix = {};
    bool operator==(const SettingField&) const = default;
};

// The label suffix of a field in row row (1, 2, ...) of a table.
inline std::string RowSuffix(int row) {
    return " " + std::to_string(row);
}

// One key Set() accepts, as `settings --keys` lists it without a file: the value form a user types
// (e.g. "seconds", "channel", "text") and its range in words (e.g. "0.5..15.0 in 0.5 steps",
// "1..16 or off", "up to 16 characters").
struct SettingKey {
    std::string key;
    std::string form;
    std::string range;
    bool operator==(const SettingKey&) const = default;
};

// Who takes the image snapshot for a rules object: a dialog's own rules take it (and make the
// corrections their dialog makes on opening); a page of the extended sheet leaves both to the sheet,
// which holds the one snapshot for all its pages.
enum class EditScope { Dialog, SheetPage };

// What the command line, the printed record and the extended sheet need of a feature dialog's
// rules class. Each dialog's own rules class (one per dialog, under core/features/) derives from it
// and adds the typed operations its window calls; the rules themselves exist once, there.
// A rules object is made when the dialog opens (it takes its ScopedImageEdit then) and lives until
// the dialog closes.
// Each rules class also offers `static std::vector<SettingKey> Keys(const LanguageTable& texts)`:
// every key its Set() accepts, in the dialog's order (the same keys Fields() returns, for any
// model), needed before a file is open. Registering a class in feature_rules.cpp requires it.
// core/features/setting_values.h holds the value forms every dialog shares (lists, check boxes).
class FeatureRules {
public:
    virtual ~FeatureRules() = default;

    // The dialog's name on the command line ("scan", "key", ...).
    virtual std::string_view Name() const = 0;
    // Every field, in the dialog's order, with the texts the dialog shows now.
    virtual std::vector<SettingField> Fields() const = 0;
    // Changes one field as a user typing or choosing value in its control would, with the same
    // store, rounding, clamping and refusal rules (and the same messages through the Notifier). A
    // Failure names why the value was refused; the image is then as before the call.
    virtual Status Set(std::string_view key, std::string_view value) = 0;
    // OK: the dialog's closing rules; false when the dialog would stay open (the reason has been
    // shown). The edit is kept when it returns true.
    virtual bool Ok() = 0;
};

// The rules of the feature dialog named name, opened on the session; nothing for an unknown name.
std::unique_ptr<FeatureRules> OpenFeatureRules(std::string_view name, Session& session, Notifier& notifier);
// The names OpenFeatureRules knows, in Edit-menu order; with extendedMode also the dialogs that
// exist only in extended mode (the extended settings sheet, "extended").
std::vector<std::string> FeatureRulesNames(bool extendedMode = false);
// Whether the dialog named name exists only in extended mode.
bool NeedsExtendedMode(std::string_view name);
// The keys of the feature dialog named name (see FeatureRules); empty for an unknown name.
std::vector<SettingKey> FeatureRulesKeys(std::string_view name, const LanguageTable& texts);

} // namespace rpx
