#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/features/feature_rules.h"
#include "core/radio/image_layout.h"
#include "core/radio/scoped_image_edit.h"

namespace rpx {

// The Key assignment dialog: the function of each of the two programmable keys. A key's list offers
// the functions the model and the function-port option allow; leaving the list stores the chosen
// item's function code, even when the choice did not change.
class KeyAssignmentRules : public FeatureRules {
public:
    struct Offset {
        static constexpr std::size_t kKey1 = layout::kProgrammableKey1; // function code, one byte
        static constexpr std::size_t kKey2 = layout::kProgrammableKey2;
    };
    struct Code {
        static constexpr uint8_t kNoFunction = 10;
        static constexpr uint8_t kGroup = 11; // switches channel group 2 on (extended models only)
        static constexpr uint8_t kScrambler = 18;
    };
    // Which list a key offers.
    enum class ItemSet { Short, Standard, Long };
    static constexpr int kKeyCount = 2;
    static constexpr int kNoKey = -1;
    // The keys have pictures for labels; in words they are the dialog's name and the key's number.
    static constexpr TextId kKeyLabel = 3002105;

    KeyAssignmentRules(Session& session, Notifier& notifier);

    std::string_view Name() const override { return "key"; }
    std::vector<SettingField> Fields() const override;
    // Value: the text of one of the key's list items.
    Status Set(std::string_view key, std::string_view value) override;
    bool Ok() override;
    static std::vector<SettingKey> Keys(const LanguageTable& texts);

    // The text key 0 or 1 shows for its stored code.
    std::string KeyText(int key) const;
    ItemSet Items() const;
    std::vector<std::string> ItemTexts() const;
    // The item the list selects for a stored code; -1 when that item is beyond the list's end.
    int ItemOfCode(uint8_t code) const;
    // The code an item stores; any item without one stores no function.
    uint8_t CodeOfItem(int item) const;

    // The key's list opens: it selects the item of the stored code.
    void BeginEdit(int key);
    // The list's selection moves (the help context follows it).
    void Select(int item) { m_selection = item; }
    // The list closes: the selected item's code is stored.
    void EndEdit();
    int EditedKey() const { return m_editedKey; }
    int Selection() const { return m_selection; }
    // The help page of the list's selected item.
    int HelpContext() const;

private:
    struct Item {
        TextId text;
        uint8_t code;
    };
    std::vector<Item> ItemList() const;
    static std::vector<Item> ItemsFor(ItemSet set, bool extended);
    std::size_t KeyOffset(int key) const;

    Session& m_session;
    Notifier& m_notifier;
    ScopedImageEdit m_edit;
    int m_editedKey = kNoKey;
    int m_selection = -1;
};

} // namespace rpx
