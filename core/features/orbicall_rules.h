#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/features/feature_rules.h"
#include "core/radio/scoped_image_edit.h"

namespace rpx {

// The Orbicall dialog: the radio's own fleet and ID in the data-signalling system, the data
// transmit delay and the baud rate. Each field is stored when the user leaves it.
class OrbicallRules : public FeatureRules {
public:
    struct Offset {
        static constexpr std::size_t kFleet = 0x3A0; // fleet - 99 (1..250); 0xFF none
        static constexpr std::size_t kId = 0x3A1;    // 16-bit, ID - 999 (1..4000); 0 none
        static constexpr std::size_t kDelay = 0x3A3; // 16-bit milliseconds
        static constexpr std::size_t kBaud = 0x3A5;  // 1 = 2400 bit/s, anything else 1200
    };
    struct Limit {
        static constexpr int kFleetMin = 100, kFleetMax = 349, kFleetBase = 99;
        static constexpr int kIdMin = 1000, kIdMax = 4999, kIdBase = 999;
        static constexpr int kDelayMax = 6000;
        // A delay above the maximum is shown, and stored on leaving, as this.
        static constexpr int kDelayFallback = 400;
        static constexpr uint8_t kNoFleet = 0xFF;
    };
    // Characters each field takes.
    // The texts beside the fields.
    struct Label {
        static constexpr TextId kFleet = 3019043, kId = 3019045, kDelay = 3019047, kBaud = 3019049;
    };
    struct Width {
        static constexpr int kFleet = 3, kId = 4, kDelay = 4;
    };

    OrbicallRules(Session& session, Notifier& notifier);

    std::string_view Name() const override { return "orbicall"; }
    std::vector<SettingField> Fields() const override;
    Status Set(std::string_view key, std::string_view value) override;
    bool Ok() override;
    static std::vector<SettingKey> Keys(const LanguageTable& texts);

    // The fleet and ID numbers as every Orbicall field shows and stores them (the emergency call's
    // too): the text of a stored value, empty for none, and the value a typed number (digits only)
    // stores, clamped into range, none for an empty field.
    static std::string FleetTextOf(uint8_t stored);
    static uint8_t FleetOfTyped(std::string_view typed);
    static std::string IdTextOf(int stored);
    static uint16_t IdOfTyped(std::string_view typed);
    // Whether typed could stand in a digits-only field of width characters.
    static bool FitsField(std::string_view typed, int width);

    // Empty when the image holds no fleet (or no ID).
    std::string FleetText() const;
    std::string IdText() const;
    std::string DelayText() const;
    static std::vector<std::string> BaudItems() { return {"1200", "2400"}; }
    int BaudSelection() const;

    // The field was left with typed (digits only, at most its width). An empty fleet clears it; a
    // fleet gives an unset ID the first one. An empty ID clears the fleet too.
    void StoreFleet(std::string_view typed);
    void StoreId(std::string_view typed);
    void StoreDelay(std::string_view typed);
    // A spin click: one millisecond up or down, wrapping between 0 and the maximum.
    void StepDelay(int step);
    void SelectBaud(int item);

private:
    int Id() const;
    void SetId(int stored);
    int Delay() const;

    Session& m_session;
    Notifier& m_notifier;
    ScopedImageEdit m_edit;
};

} // namespace rpx
