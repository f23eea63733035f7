#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/features/feature_rules.h"
#include "core/radio/image_layout.h"
#include "core/radio/scoped_image_edit.h"

namespace rpx {

// Edit > Function Port: the device on the radio's accessory port, the function of each of its eight
// lines and ignition sense. A function sits on one line at most. Every change goes into the image
// at once; the rules destroyed without Ok() put every byte back.
class FunctionPortRules : public FeatureRules {
public:
    struct Offset {
        static constexpr std::size_t kPorts = layout::kDataChannelList;    // function code of lines 1..8
        static constexpr std::size_t kDevice = layout::kPortMode;          // 0 none .. 4, see DeviceItems
        static constexpr std::size_t kIgnitionSense = layout::kPortOption; // 1 on, 0 off
    };
    struct Code {
        static constexpr uint8_t kNone = 0xFF;            // the list's last item: no function
        static constexpr uint8_t kLastFunction = 47;      // higher codes show no function
        static constexpr uint8_t kFirstDeviceOutput = 39; // 39..44 need a device
        static constexpr uint8_t kLastDeviceOutput = 44;
    };
    struct Device {
        static constexpr uint8_t kSmarTrunk = layout::kTrunkingPortMode;
        static constexpr uint8_t kScrambler = 4; // keeps a scrambler key (code 18) on OK
    };
    static constexpr int kPortCount = static_cast<int>(layout::kDataChannelListLength);
    static constexpr TextId kDeviceLabel = 3019127;
    static constexpr TextId kIgnitionLabel = 3019009;
    // "Port 1".."Port 8" beside port 0..7.
    static TextId PortLabel(int port);
    // The codes a port's list offers, in list order, before the rules take some away.
    static constexpr uint8_t kListedCodes[] = {0,  1, 2,  3,  4,  5,  6,  7,  8,  14, 15, 16,
                                               17, 9, 10, 13, 32, 33, 34, 35, 36, 37, 38};
    struct PortItem {
        uint8_t code;
        std::string text;
    };

    FunctionPortRules(Session& session, Notifier& notifier, EditScope scope = EditScope::Dialog);

    std::string_view Name() const override { return "function-port"; }
    std::vector<SettingField> Fields() const override;
    Status Set(std::string_view key, std::string_view value) override;
    // Takes a scrambler key away from a port without the scrambler, the trunking groups and the
    // trunking mode from one without the SmarTrunk board.
    bool Ok() override;
    static std::vector<SettingKey> Keys(const LanguageTable& texts);

    std::vector<std::string> DeviceItems() const { return DeviceItems(m_notifier.Texts()); }
    static std::vector<std::string> DeviceItems(const LanguageTable& texts);
    // -1 for a byte no item names.
    int DeviceSelection() const;
    // Writes the device; the port labels and the grid's trunking rows follow it.
    void SelectDevice(int item);

    // The label of code as the port fields show it now; empty for a code without one.
    std::string CodeLabel(uint8_t code) const;
    // What port 0..7 shows: its code's label, or the no-function text.
    std::string PortText(int port) const;
    // The list of port 0..7 when it opens, from codes (the extended sheet offers more): a code held
    // by another port or named by the device byte, or without a label now, is left out; the
    // no-function item ends it.
    std::vector<PortItem> PortItems(int port, std::span<const uint8_t> codes = kListedCodes) const;
    // The item of the port's code; the last (no function) when the list lacks it.
    int PortSelection(int port, std::span<const uint8_t> codes = kListedCodes) const;
    // The list closes on item: its code is written.
    void SelectPortItem(int port, int item, std::span<const uint8_t> codes = kListedCodes);

    bool IgnitionSense() const;
    void SetIgnitionSense(bool on);

private:
    uint8_t PortCode(int port) const;

    Session& m_session;
    Notifier& m_notifier;
    std::optional<ScopedImageEdit> m_edit;
};

} // namespace rpx
