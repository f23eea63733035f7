#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/features/feature_rules.h"
#include "core/features/tone_sequence_rules.h"
#include "core/radio/scoped_image_edit.h"

namespace rpx {

// Edit > DTMF: the encode/decode page, the autodial memory page and the special alert tone page
// (ToneSequenceRules, held here). Every change goes into the image at once; destroyed without Ok()
// the rules put every byte back.
class DtmfRules : public FeatureRules {
public:
    struct Offset {
        static constexpr std::size_t kCodes = 0x0F0;            // 11 slots of 16 ASCII digits, 0xFF-padded
        static constexpr std::size_t kCodeLengths = 0x1A0;      // digits in each slot, 0 = empty
        static constexpr std::size_t kSpeed = 0x0E0;            // index of kSpeeds
        static constexpr std::size_t kFirstDigitTime = 0x0E1;   // index of kToneTimes
        static constexpr std::size_t kFirstDigitDelay = 0x0E2;  // 10 ms units
        static constexpr std::size_t kStarHashTone = 0x0E3;     // index of kToneTimes
        static constexpr std::size_t kDKey = 0x0E4;             // 1..16, 0 none
        static constexpr std::size_t kManualDial = 0x0E5;       // non-zero on
        static constexpr std::size_t kKeypadAutoPtt = 0x0E6;    // 1 on
        static constexpr std::size_t kHoldTime = 0x0E7;         // 200 on, 0 off
        static constexpr std::size_t kAutodial = 0x0E8;         // 1 on
        static constexpr std::size_t kDtmfKeys = 0x0E9;         // 0xFF sixteen keys, else twelve
        static constexpr std::size_t kHornAlertLogic = 0x0AC;   // 0 or 1
        static constexpr std::size_t kHornAlertTime = 0x0AE;    // seconds, 0 continuous
        static constexpr std::size_t kIdCode = 0x1C0;           // 10 ASCII digits, 0xFF-padded
        static constexpr std::size_t kGroupCode = 0x1CA;        // 0 off, else one of kGroupCodes
        static constexpr std::size_t kAutoResetTimer = 0x1CB;   // 0 off
        static constexpr std::size_t kCallAlert = 0x1CC;        // index of kCallAlertItems
        static constexpr std::size_t kTranspond = 0x1CD;        // index of kTranspondItems
        static constexpr std::size_t kClearToTranspond = 0x1CE; // 1 on
        static constexpr std::size_t kStunType = 0x1CF;         // 1 or 2
        static constexpr std::size_t kStunCode = 0x1D0;         // 10 DTMF characters; empty is 0x00 then 0xFF
        static constexpr std::size_t kAlertToneLevel = 0x1DA;   // 0..32
    };
    struct Limit {
        static constexpr std::size_t kCodeLength = 16;
        static constexpr std::size_t kShortCodeLength = 10; // ID and stun code
        static constexpr std::size_t kShortestCode = 3;     // ID code, and a stun code that is not empty
        static constexpr uint8_t kHoldTimeOn = 200;
        static constexpr int kSpecialCallAlert = 2;
    };
    // Code slots: 0..8 autodial memories 1..9, then the begin and end of transmission codes.
    static constexpr int kMemories = 9;
    static constexpr int kBeginCode = 9, kEndCode = 10;
    enum class Page { EncodeDecode, Memory, AlertTone };
    // The spin fields of the encode/decode page.
    enum class Spin {
        Speed,
        FirstDigitTime,
        FirstDigitDelay,
        StarHashTone,
        DKey,
        AlertToneLevel,
        AutoResetTimer,
        HornAlertTime
    };
    // The popup lists of the encode/decode page.
    enum class List { DtmfKeys, HornAlertLogic, GroupCode, CallAlert, Transpond, StunType };
    enum class Box { ManualDial, KeypadAutoPtt, HoldTime, Autodial, ClearToTranspond };
    // The texts beside the controls (a box's own text).
    static TextId Label(Spin spin);
    static TextId Label(List list);
    static TextId Label(Box box);
    static constexpr TextId kBeginCodeLabel = 3010017, kEndCodeLabel = 3010019, kIdCodeLabel = 3010029,
                            kStunCodeLabel = 3010043;

    // Inside the extended settings sheet's edit, the rules' own edit joins it (see ScopedImageEdit).
    DtmfRules(Session& session, Notifier& notifier);

    std::string_view Name() const override { return "dtmf"; }
    std::vector<SettingField> Fields() const override;
    Status Set(std::string_view key, std::string_view value) override;
    bool Ok() override;
    static std::vector<SettingKey> Keys(const LanguageTable& texts);

    ToneSequenceRules& Tones() { return m_tones; }

    // What the spin field shows; a click (+1 up, -1 down) and a field left holding typed store and
    // give the text shown then. Typed values are kept within the spin's range.
    std::string SpinText(Spin spin) const;
    std::string StepSpin(Spin spin, int step);
    std::string LeaveSpin(Spin spin, std::string_view typed);
    // Characters the field takes (digits only).
    static std::size_t SpinWidth(Spin spin);

    std::vector<std::string> ListItems(List list) const { return ListItems(list, m_notifier.Texts()); }
    static std::vector<std::string> ListItems(List list, const LanguageTable& texts);
    int ListSelection(List list) const;
    void SelectList(List list, int item);

    bool Checked(Box box) const;
    void SetChecked(Box box, bool on);

    // Keypad auto-PTT needs manual dial, call alert an alert tone level, the horn alert the model's
    // data signalling (and its time the second logic).
    bool Enabled(Spin spin) const;
    bool Enabled(List list) const;
    bool Enabled(Box box) const;

    // Code fields (slot 0..10 of kCodes, the ID code, the stun code) as loaded.
    std::string CodeText(int slot) const;
    std::string IdCodeText() const;
    std::string StunCodeText() const;
    // A code field left holding typed. A character outside 0..9, A..D, * and # empties the slot.
    void LeaveCode(int slot, std::string_view typed);
    // The ID and stun code fields refuse a code too short (the returned TextId, 0 when stored): the
    // field is then to be refilled from the image and keep the focus. A non-digit in the ID code
    // stores "000". Both take anything once Cancel is on its way.
    TextId LeaveIdCode(std::string_view typed);
    TextId LeaveStunCode(std::string_view typed);
    // Cancel was pressed: the fields left on the way to it are not checked.
    void PressCancel() { m_cancelPending = true; }
    // What a code field makes of a typed character: memories take 0..9, A..D (a..d as A..D), * and #
    // only; the stun code upper-cases a..f; others take it as it is. 0: swallowed.
    static char TypedCodeCharacter(Page page, bool stunCode, char c);

    // A new page chosen: 0 when it may be shown, else the refusal to show.
    TextId ChangePage(Page to) const;

    // How each spin field counts (dtmf_rules.cpp).
    struct SpinRule;

private:
    static const SpinRule& RuleOf(Spin spin);
    int SpinPosition(Spin spin) const;
    std::string PositionText(Spin spin, int position) const;
    void StorePosition(Spin spin, int position);
    bool HornAlertAvailable() const;
    void StoreCode(std::size_t offset, std::size_t size, std::string_view typed);
    std::string StoredText(std::size_t offset, std::size_t size) const;
    Status SetOne(std::string_view key, std::string_view value);

    Session& m_session;
    Notifier& m_notifier;
    std::optional<ScopedImageEdit> m_edit;
    ToneSequenceRules m_tones;
    bool m_cancelPending = false;
    // The ID or stun code was left too short (and refilled): page changes are refused until that
    // field is stored.
    bool m_idTooShort = false;
    bool m_stunTooShort = false;
};

} // namespace rpx
