#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/features/feature_rules.h"
#include "core/radio/image_layout.h"
#include "core/radio/scoped_image_edit.h"

namespace rpx {

// Edit > Optional: the time-out timer and its three dependent timers, minimum volume, squelch, the
// power-on password, the on/off options and the data-signalling options. Every change goes into the
// image at once; the rules destroyed without Ok() put every byte back, including the two bytes that
// opening corrects (a squelch of 10 or more, the trunking group count outside trunking mode).
class OptionalRules : public FeatureRules {
public:
    struct Offset {
        static constexpr std::size_t kMinimumVolume = 0x0A3; // 0..31
        static constexpr std::size_t kTot = 0x0A5;           // 1..30 tens of seconds; 0x3C (or 0) off
        static constexpr std::size_t kPreAlert = 0x0A6;      // 1..10, 0 off
        static constexpr std::size_t kRekey = 0x0A7;         // 1..60, 0 off
        static constexpr std::size_t kReset = 0x0A8;         // 1..15, 0 off
        static constexpr std::size_t kSquelch = 0x0A9;       // level 0..9
        static constexpr std::size_t kDataChannel = layout::kDataChannel; // 0 none, else the channel
        static constexpr std::size_t kPttIdType = 0x0AF;                  // 0 first choice, else MSK
        static constexpr std::size_t kPassword = 0x0D0; // 10 characters '1'..'4', 0xFF after
        static constexpr std::size_t kTrunkingGroups = layout::kTrunkingGroups; // 1..4
    };
    struct Limit {
        static constexpr uint8_t kTotOff = 0x3C;
        static constexpr int kTotStep = 30; // seconds between the offered timer values
        static constexpr int kTotMax = 300;
        static constexpr std::size_t kPasswordLength = 10;
        static constexpr uint8_t kLevelRewritten = 10; // a squelch from here on opens as level 1
        static constexpr int kTrunkingGroupsMax = 4;
    };
    // The fields typed as numbers, each with its spin.
    enum class Number { Tot, PreAlert, Rekey, Reset, MinimumVolume, Squelch };
    // The check boxes.
    enum class Box { PowerOnTone, ControlTone, WarningTone, VolumeLock, OffHookDecode, CloneMode, DataTxQt };
    // The drop-down lists.
    enum class List { DataChannel, PttIdType, TrunkingGroups };
    // A list item and the byte it stores.
    struct Item {
        std::string text;
        uint8_t value;
    };

    // scope says who takes the image snapshot: the dialog's own rules do, and correct squelch and
    // trunking group count; a page of a sheet leaves both to the sheet.
    OptionalRules(Session& session, Notifier& notifier, EditScope scope = EditScope::Dialog);

    std::string_view Name() const override { return "optional"; }
    std::vector<SettingField> Fields() const override;
    Status Set(std::string_view key, std::string_view value) override;
    bool Ok() override;
    static std::vector<SettingKey> Keys(const LanguageTable& texts);

    // What the field shows: a number, or the off text for a timer that is off.
    std::string NumberText(Number number) const;
    // The spin's position (0 for off).
    int Position(Number number) const;
    // Characters the field takes.
    static int Width(Number number);
    // The text beside the field (a box's own text).
    static TextId Label(Number number);
    static TextId Label(Box box);
    static TextId Label(List list);
    static constexpr TextId kPasswordLabel = 3009013;
    bool Enabled(Number number) const;
    // The field lost the focus holding text: stores by the field's rule (rounding, clamps, off).
    void CommitNumber(Number number, std::string_view text);
    // A spin click, +1 up or -1 down, wrapping at the ends: stores the new position.
    void StepNumber(Number number, int direction);

    std::string PasswordText() const;
    // Stores text when every character is '1'..'4'; anything else clears the password.
    void CommitPassword(std::string_view text);
    // Keys the password field swallows: the digits that can never be part of a password.
    static bool SwallowsPasswordKey(char c) { return c == '0' || (c >= '5' && c <= '9'); }

    bool Checked(Box box) const;
    void SetChecked(Box box, bool on);
    bool Enabled(Box box) const;

    std::vector<Item> Items(List list) const;
    // The item showing the stored byte; -1 when none does.
    int Selection(List list) const;
    void Select(List list, int item);
    bool Enabled(List list) const;

    // The trunking group count now differs from its value at opening: the grid must rebuild its
    // trunking rows.
    bool TrunkingGroupCountChanged() const { return m_trunkingGroupCountChanged; }

    // The data-signalling options exist: bit 6 of the model options set and not range code 0x23.
    static bool DataSignallingAllowed(const RadioImage& image);

private:
    bool TotOff() const;
    bool AnyPortIsDataChannelInput() const;

    Session& m_session;
    Notifier& m_notifier;
    std::optional<ScopedImageEdit> m_edit;
    uint8_t m_trunkingGroupsAtOpen;
    bool m_trunkingGroupCountChanged = false;
};

} // namespace rpx
