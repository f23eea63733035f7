#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/link/memory_serial_pair.h"
#include "core/link/serial_port.h"

namespace rpx {
namespace {

// A device that records what the port asks of it, in order.
class RecordingDevice : public SerialDevice {
public:
    bool Open(const std::string& path) override { return open = Note("open " + path, opens); }
    void Close() override { open = Note("close", false); }
    bool IsOpen() const override { return open; }
    bool Configure(const LineSettings& s) override {
        return Note("configure " + std::to_string(s.baudRate) + s.parity + std::to_string(s.dataBits) +
                        std::to_string(s.stopBits),
                    configures);
    }
    bool SetDtr(bool high) override { return Note(high ? "dtr high" : "dtr low", hasModemLines); }
    bool SetRts(bool high) override { return Note(high ? "rts high" : "rts low", hasModemLines); }
    bool Write(std::span<const uint8_t> b) override {
        return Note("write " + std::string(b.begin(), b.end()));
    }
    int BytesWaiting() override { return 5; }
    bool WaitForInput(int, std::chrono::milliseconds) override { return false; }
    std::size_t Read(std::span<uint8_t>, std::chrono::milliseconds) override { return 0; }
    void PurgeInput() override { Note("purge"); }
    std::string ErrorText() const override { return {}; }
    bool PermissionDenied() const override { return false; }

    // The last entry starting with prefix, or "" when there is none.
    std::string Last(const std::string& prefix) const {
        const auto it =
            std::find_if(log.rbegin(), log.rend(), [&](const auto& e) { return e.starts_with(prefix); });
        return it == log.rend() ? "" : *it;
    }

    std::vector<std::string> log;
    bool open = false;
    bool opens = true;
    bool configures = true;
    bool hasModemLines = true;

private:
    bool Note(std::string entry, bool result = true) {
        log.push_back(std::move(entry));
        return result;
    }
};

std::string PathOf(uint8_t number) {
    return "/dev/port" + std::to_string(number);
}

class SerialPortTest : public ::testing::Test {
protected:
    RecordingDevice device;
    SerialPort port{device, PathOf};
};

TEST_F(SerialPortTest, SetPortNumberReopensAnOpenPortAndZeroKeepsTheNumber) {
    EXPECT_EQ(port.SetPortNumber(3), 1);
    EXPECT_TRUE(device.log.empty()) << "a closed port stays closed";
    ASSERT_EQ(port.SetOpen(true), 1);
    const std::tuple<uint8_t, bool, uint8_t> cases[] = {{0, true, 3}, {4, true, 4}, {2, false, 2}};
    for (const auto& [number, reopens, numberAfter] : cases) {
        device.log.clear();
        device.opens = reopens;
        EXPECT_EQ(port.SetPortNumber(number), reopens ? 1 : 0) << int(number);
        EXPECT_EQ(std::tuple(port.PortNumber(), port.IsOpen()), std::tuple(numberAfter, reopens));
        EXPECT_EQ(std::tuple(device.log.front(), device.Last("open")),
                  std::tuple("close", "open " + PathOf(numberAfter)));
    }
}

TEST_F(SerialPortTest, BytesWaitingIsMinusOneUnlessOpenAndOpeningTwiceDoesNotReopen) {
    EXPECT_EQ(port.BytesWaiting(), -1);
    ASSERT_EQ(port.SetOpen(true), 1);
    EXPECT_EQ(port.BytesWaiting(), 5);
    device.log.clear();
    EXPECT_EQ(port.SetOpen(true), 1);
    EXPECT_TRUE(device.log.empty());
    port.SetOpen(false);
    EXPECT_EQ(port.BytesWaiting(), -1);
}

TEST_F(SerialPortTest, OpenAppliesTheLineSettingsThenDtrHighAndRtsLowAndToleratesRefusedLines) {
    const std::tuple<const char*, bool, const char*> cases[] = {
        {" 9600 , N, 8 , 2 ", true, "configure 9600N82"}, {"4800,e,7,1", false, "configure 4800E71"}};
    for (const auto& [given, hasModemLines, applied] : cases) {
        device.hasModemLines = hasModemLines;
        EXPECT_EQ(port.SetLineSettings(given), 1);
        ASSERT_EQ(port.SetOpen(true), 1) << given;
        EXPECT_EQ(device.Last("configure"), applied);
        EXPECT_EQ(std::tuple(device.Last("dtr"), device.Last("rts")), std::tuple("dtr high", "rts low"));
        EXPECT_LT(std::find(device.log.begin(), device.log.end(), applied),
                  std::find(device.log.begin(), device.log.end(), "dtr high"));
        // On an open port a change applies at once.
        EXPECT_EQ(port.SetLineSettings("1200, O, 8, 1"), 1);
        EXPECT_EQ(device.Last("configure"), "configure 1200O81");
        port.SetOpen(false);
        device.log.clear();
    }
}

TEST_F(SerialPortTest, EveryWriteDiscardsStaleInputFirst) {
    EXPECT_EQ(port.WriteByte(0x06), 0) << "closed port";
    ASSERT_EQ(port.SetOpen(true), 1);
    device.log.clear();
    EXPECT_EQ(port.Write(std::vector<uint8_t>{'W', 0x10}), 1);
    EXPECT_EQ(port.WriteString("PROGRAM"), 1);
    EXPECT_EQ(port.WriteByte(0x06), 1);
    EXPECT_EQ(device.log, (std::vector<std::string>{"purge", "write W\x10", "purge", "write PROGRAM", "purge",
                                                    "write \x06"}));
}

TEST_F(SerialPortTest, FailureAfterTheDeviceOpenedLeavesThePortOpenForTheOwner) {
    // Device opens, device takes the settings, settings; a missing device leaves the port closed.
    const std::tuple<bool, bool, const char*> cases[] = {{false, true, "9600,N,8,2"},
                                                         {true, false, "9600,N,8,2"},
                                                         {true, true, "9600,X,8,2"},
                                                         {true, true, "9600,N,8"}};
    for (const auto& [opens, configures, settings] : cases) {
        device.opens = opens;
        device.configures = configures;
        port.SetLineSettings(settings);
        EXPECT_EQ(port.SetOpen(true), 0) << settings;
        EXPECT_EQ(std::tuple(port.IsOpen(), device.open), std::tuple(opens, opens));
        EXPECT_EQ(port.SetOpen(false), 1);
        EXPECT_FALSE(device.open);
    }
}

TEST(SerialPort, ShortReadFailsAndKeepsWhatArrived) {
    MemorySerialPair pair;
    SerialPort port(pair.First(), PathOf);
    port.SetReadTimeout(20);
    std::vector<uint8_t> buffer(4, 0xEE);
    EXPECT_EQ(port.Read(buffer), 0); // closed
    ASSERT_EQ(port.SetOpen(true), 1);
    SerialDevice& radio = pair.Second();
    radio.Open("");
    radio.Write(std::vector<uint8_t>{1, 2});
    EXPECT_EQ(port.Read(buffer), 0);
    EXPECT_EQ(buffer, (std::vector<uint8_t>{1, 2, 0xEE, 0xEE}));
    radio.Write(std::vector<uint8_t>{3, 4, 5, 6});
    EXPECT_EQ(port.Read(buffer), 1);
    EXPECT_EQ(buffer, (std::vector<uint8_t>{3, 4, 5, 6}));
}

} // namespace
} // namespace rpx
