#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/features/channel_choices.h"
#include "core/features/feature_rules.h"
#include "core/radio/image_layout.h"
#include "core/radio/scoped_image_edit.h"

namespace rpx {

// Edit > Emergency: the emergency channel, the transmit and receive phases, the signalling (DTMF
// codes, or an Orbicall fleet and ID), the horn and light outputs, the microphone, the cycle and
// four options. Every change goes into the image at once; the rules destroyed without Ok() put
// every byte back, the rewrites made at opening too.
// The extended sheet's emergency page is the same rules over the outputs and the microphone alone,
// without the model gate and without the rewrites.
class EmergencyRules : public FeatureRules {
public:
    struct Offset {
        static constexpr std::size_t kChannel = layout::kEmergencyChannel; // 0 none, else the channel
        static constexpr std::size_t kTxDuration = 0x201;                  // 0..255
        static constexpr std::size_t kRxDuration = 0x202;                  // 0..255
        static constexpr std::size_t kManualReset = 0x203;                 // 1 on, 0 off
        static constexpr std::size_t kRecognition = 0x204;                 // 1 on, 0 off
        static constexpr std::size_t kPowerSwitch = 0x205;                 // on only when 1
        static constexpr std::size_t kMic = 0x206;                         // 0 off, 1 on
        static constexpr std::size_t kHornLogic = 0x207;                   // 1 normal, 2 inverted
        static constexpr std::size_t kLightLogic = 0x208;                  // 1 normal, 2 inverted
        static constexpr std::size_t kSecret = 0x209;                      // 1 on, 0 off
        static constexpr std::size_t kHornTime = 0x20A;                    // 0..30, 0 continuous
        static constexpr std::size_t kLightTime = 0x20B;                   // 0..30, 0 continuous
        static constexpr std::size_t kCycle = 0x20C;                       // 0..200, 0 normal
        static constexpr std::size_t kCode = 0x210;      // 16 DTMF characters, 0xFF after the last
        static constexpr std::size_t kAckCode = 0x220;   // as kCode
        static constexpr std::size_t kResetCode = 0x230; // 10 bytes, as kCode
        static constexpr std::size_t kType = 0x23A;      // 1 DTMF, 0 MSK
        static constexpr std::size_t kFleet = 0x23B;     // as the Orbicall fleet
        static constexpr std::size_t kId = 0x23C;        // 16-bit, as the Orbicall ID
    };
    struct Limit {
        static constexpr int kTxDurationDefault = 25, kRxDurationDefault = 5, kDurationMax = 255;
        static constexpr int kOutputTimeMax = 30, kCycleMax = 200;
        static constexpr int kCodeArea = 16, kResetCodeArea = 10;
        static constexpr int kCodeWidth = 10; // characters a code field takes
    };
    enum class Field {
        Channel,
        TxDuration,
        RxDuration,
        Type,
        Code,
        AckCode,
        ResetCode,
        Fleet,
        Id,
        HornLogic,
        HornTime,
        LightLogic,
        LightTime,
        Mic,
        Cycle,
        ManualReset,
        Secret,
        Recognition,
        PowerSwitch,
    };
    enum class Kind { List, Duration, Limited, Code, Fleet, Id, Box };
    EmergencyRules(Session& session, Notifier& notifier, EditScope use = EditScope::Dialog);

    std::string_view Name() const override { return "emergency"; }
    std::vector<SettingField> Fields() const override;
    Status Set(std::string_view key, std::string_view value) override;
    bool Ok() override;
    static std::vector<SettingKey> Keys(const LanguageTable& texts);
    static std::vector<SettingKey> Keys(const LanguageTable& texts, EditScope use);

    // The fields the rules edit, in the dialog's (or the page's) order.
    const std::vector<Field>& FieldList() const;
    static Kind KindOf(Field field);
    // The field's key on the command line ("horn-time").
    static const char* Key(Field field);
    // The text beside the field's control (a box's own text).
    static TextId Label(Field field);
    // Characters a typed field takes.
    static int Width(Field field);
    // Whether the field can be changed now (type, secret emergency, output logic, the model gate).
    bool Enabled(Field field) const;

    // A list's items and the item the stored byte selects (-1: none of them); choosing stores it.
    std::vector<ListItem> Items(Field field) const;
    int Selection(Field field) const;
    void Select(Field field, int item);

    // A typed field (durations, times, cycle, codes, fleet, ID) as it shows the stored bytes.
    std::string Text(Field field) const;
    // The field was left holding typed: stores it by the field's rule.
    void Commit(Field field, std::string_view typed);
    // A spin click (+1 up, -1 down) on a number field holding typed.
    void Step(Field field, std::string_view typed, int step);

    bool Checked(Field field) const;
    void SetChecked(Field field, bool on);

private:
    std::string Shown(Field field) const;

    Session& m_session;
    Notifier& m_notifier;
    ScopedImageEdit m_edit;
    EditScope m_use;
};

} // namespace rpx
