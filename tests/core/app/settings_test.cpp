#include <gtest/gtest.h>

#include <map>

#include "core/app/settings.h"

namespace rpx {
namespace {

class MapStore : public SettingsStore {
public:
    std::optional<std::string> Value(const std::string& key) const override {
        const auto it = values.find(key);
        return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    void SetValue(const std::string& key, const std::string& value) override { values[key] = value; }
    std::map<std::string, std::string> values;
};

TEST(Settings, MissingOrBadValuesTakeTheirDefaults) {
    const struct {
        std::map<std::string, std::string> values;
        uint8_t port, boardPort;
    } cases[] = {{{}, 1, 1},
                 {{{"Backup/ComPort", "3"}, {"Board/ComPort", "4"}}, 3, 4},
                 {{{"Backup/ComPort", "300"}, {"Board/ComPort", "-1"}}, 1, 1},
                 {{{"Backup/ComPort", "x"}}, 1, 1},
                 {{{"Backup/ComPort", "0"}}, 0, 1}};
    for (const auto& c : cases) {
        MapStore store;
        store.values = c.values;
        const AppSettings settings = ReadSettings(store);
        EXPECT_EQ(settings.comPort, c.port);
        EXPECT_EQ(settings.boardPort, c.boardPort);
        EXPECT_EQ(settings.model, "");
        EXPECT_EQ(settings.dataDirectory, "");
    }
}

TEST(Settings, RoundTripKeepsRawModelBytesUpToTheFirstZero) {
    RadioImage image;
    image.FillAll(0xFF);
    image.SetModelString("MDL2A");
    image.SetRangeCode(0x31);
    image.SetByte(0x3C6, 0xBF);
    AppSettings settings;
    settings.comPort = 7;
    settings.model = ModelSettingFromImage(image);
    settings.dataDirectory = "/home/tech/radios";
    settings.boardPort = 2;
    settings.boardDevicePath = "/dev/ttyUSB1";
    EXPECT_EQ(settings.model, std::string("MDL2A1\xBF\xFF", 8));
    MapStore store;
    WriteSettings(store, settings);
    const AppSettings back = ReadSettings(store);
    EXPECT_EQ(back.comPort, 7);
    EXPECT_EQ(back.model, settings.model);
    EXPECT_EQ(back.dataDirectory, settings.dataDirectory);
    EXPECT_EQ(std::pair(back.boardPort, back.boardDevicePath),
              std::pair(settings.boardPort, settings.boardDevicePath));
    image.Fill(RadioImage::kModelOptions, 2, 0x00);
    EXPECT_EQ(ModelSettingFromImage(image), "MDL2A1") << "the setting stops at the first zero byte";
}

// The phrase exactly, as two words of the command line.
TEST(Settings, ExtendedModeNeedsTheExactPhraseInTheArguments) {
    EXPECT_TRUE(IsExtendedModePhrase("Service Facilities"));
    for (const char* other : {"service facilities", "Service Facilities ", " Service Facilities",
                              "\"Service Facilities\"", "Service  Facilities", "", "Service"})
        EXPECT_FALSE(IsExtendedModePhrase(other)) << other;
    const struct {
        std::vector<std::string> arguments;
        bool extended;
    } cases[] = {
        {{"Service", "Facilities"}, true},
        {{"Service Facilities"}, false}, // quoted on the command line
        {{"service", "facilities"}, false},
        {{"service", "Facilities"}, false},
        {{"Service", "Facilities", "x.dat"}, false},
        {{}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsExtendedModePhrase(RawCommandLine(c.arguments)), c.extended)
            << RawCommandLine(c.arguments);
}

} // namespace
} // namespace rpx
