#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "core/link/memory_serial_pair.h"
#include "core/link/serial_port.h"

namespace rpx {
namespace {

using namespace std::chrono_literals;

// A device that records what the port asks of it, in order.
class RecordingDevice : public SerialDevice {
public:
    bool Open(const std::string& path) override {
        log.push_back("open " + path);
        open = opens;
        return open;
    }
    void Close() override {
        log.push_back("close");
        open = false;
    }
    bool IsOpen() const override { return open; }
    bool Configure(const LineSettings& s) override {
        log.push_back("configure " + std::to_string(s.baudRate) + s.parity + std::to_string(s.dataBits) +
                      std::to_string(s.stopBits));
        return configures;
    }
    bool SetDtr(bool high) override {
        log.push_back(high ? "dtr high" : "dtr low");
        return hasModemLines;
    }
    bool SetRts(bool high) override {
        log.push_back(high ? "rts high" : "rts low");
        return hasModemLines;
    }
    bool Write(std::span<const uint8_t> bytes) override {
        log.push_back("write " + std::string(bytes.begin(), bytes.end()));
        return true;
    }
    int BytesWaiting() override { return 5; }
    bool WaitForInput(int, std::chrono::milliseconds) override { return false; }
    std::size_t Read(std::span<uint8_t>, std::chrono::milliseconds) override { return 0; }
    void PurgeInput() override { log.push_back("purge"); }
    std::string ErrorText() const override { return {}; }
    bool PermissionDenied() const override { return false; }

    std::vector<std::string> log;
    bool open = false;
    bool opens = true;
    bool configures = true;
    bool hasModemLines = true;
};

std::string PathOf(uint8_t number) {
    return "/dev/port" + std::to_string(number);
}

// The last entry of the log starting with prefix, or "" when there is none.
std::string LastWith(const std::vector<std::string>& log, const std::string& prefix) {
    const auto it =
        std::find_if(log.rbegin(), log.rend(), [&](const std::string& e) { return e.starts_with(prefix); });
    return it == log.rend() ? "" : *it;
}

TEST(SerialPort, SetPortNumberKeepsOrChangesTheNumberAndReopensAnOpenPort) {
    const struct {
        bool openBefore;
        uint8_t number;
        bool reopens;
        uint8_t numberAfter;
        int result;
        const char* lastOpen; // "" when the device was not opened again
    } cases[] = {
        {false, 0, true, 1, 1, ""},
        {false, 3, true, 3, 1, ""},
        {true, 0, true, 1, 1, "open /dev/port1"},
        {true, 3, true, 3, 1, "open /dev/port3"},
        {true, 2, false, 2, 0, "open /dev/port2"},
    };
    for (const auto& c : cases) {
        RecordingDevice device;
        SerialPort port(device, PathOf);
        if (c.openBefore) {
            ASSERT_EQ(port.SetOpen(true), 1);
        }
        device.log.clear();
        device.opens = c.reopens;
        EXPECT_EQ(port.SetPortNumber(c.number), c.result) << int(c.number);
        EXPECT_EQ(port.PortNumber(), c.numberAfter);
        EXPECT_EQ(port.IsOpen(), c.openBefore && c.reopens);
        EXPECT_EQ(LastWith(device.log, "open"), c.lastOpen);
        EXPECT_EQ(LastWith(device.log, "close").empty(), !c.openBefore);
    }
}

TEST(SerialPort, OpeningAnOpenPortDoesNotReopenIt) {
    RecordingDevice device;
    SerialPort port(device, PathOf);
    ASSERT_EQ(port.SetOpen(true), 1);
    device.log.clear();
    EXPECT_EQ(port.SetOpen(true), 1);
    EXPECT_TRUE(device.log.empty());
    EXPECT_TRUE(port.IsOpen());
}

TEST(SerialPort, BytesWaitingIsMinusOneUnlessOpen) {
    RecordingDevice device;
    SerialPort port(device, PathOf);
    EXPECT_EQ(port.BytesWaiting(), -1);
    port.SetOpen(true);
    EXPECT_EQ(port.BytesWaiting(), 5);
    port.SetOpen(false);
    EXPECT_EQ(port.BytesWaiting(), -1);
}

TEST(SerialPort, LineSettingsLoseTheirBlanksAndReachTheDevice) {
    const struct {
        const char* given;
        const char* kept;
        const char* applied;
    } cases[] = {
        {"9600,N,8,2", "9600,N,8,2", "configure 9600N82"},
        {" 9600 , N, 8 , 2 ", "9600,N,8,2", "configure 9600N82"},
        {"4800,e,7,1", "4800,e,7,1", "configure 4800E71"},
    };
    for (const auto& c : cases) {
        RecordingDevice device;
        SerialPort port(device, PathOf);
        EXPECT_EQ(port.SetLineSettings(c.given), 1);
        EXPECT_EQ(port.LineSettingsText(), c.kept);
        ASSERT_EQ(port.SetOpen(true), 1);
        EXPECT_EQ(LastWith(device.log, "configure"), c.applied) << c.given;
        // On an open port the change applies at once.
        EXPECT_EQ(port.SetLineSettings("1200, O, 8, 1"), 1);
        EXPECT_EQ(LastWith(device.log, "configure"), "configure 1200O81");
    }
}

TEST(SerialPort, OpenLeavesDtrHighAndRtsLowAndToleratesRefusedLines) {
    for (const bool hasModemLines : {true, false}) {
        RecordingDevice device;
        device.hasModemLines = hasModemLines;
        SerialPort port(device, PathOf);
        EXPECT_EQ(port.SetOpen(true), 1) << hasModemLines;
        EXPECT_EQ(LastWith(device.log, "dtr"), "dtr high");
        EXPECT_EQ(LastWith(device.log, "rts"), "rts low");
        const auto configured = std::find(device.log.begin(), device.log.end(), "configure 9600N82");
        EXPECT_LT(configured, std::find(device.log.begin(), device.log.end(), "dtr high"));
    }
}

TEST(SerialPort, EveryWriteDiscardsStaleInputFirst) {
    const struct {
        const char* name;
        std::function<int(SerialPort&)> write;
        std::vector<uint8_t> sent;
    } cases[] = {
        {"Write",
         [](SerialPort& p) {
             return p.Write(std::vector<uint8_t>{0x57, 0x00, 0x10});
         },
         {0x57, 0x00, 0x10}},
        {"WriteString",
         [](SerialPort& p) { return p.WriteString("PROGRAM"); },
         {'P', 'R', 'O', 'G', 'R', 'A', 'M'}},
        {"WriteByte", [](SerialPort& p) { return p.WriteByte(0x06); }, {0x06}},
    };
    for (const auto& c : cases) {
        MemorySerialPair pair;
        SerialPort port(pair.First(), PathOf);
        ASSERT_EQ(port.SetOpen(true), 1);
        SerialDevice& radio = pair.Second();
        radio.Open("");
        radio.Write(std::vector<uint8_t>{'s', 't', 'a', 'l', 'e'});
        ASSERT_EQ(port.BytesWaiting(), 5);
        EXPECT_EQ(c.write(port), 1) << c.name;
        EXPECT_EQ(port.BytesWaiting(), 0) << c.name;
        std::vector<uint8_t> received(c.sent.size() + 1);
        EXPECT_EQ(radio.Read(received, 0ms), c.sent.size()) << c.name;
        received.pop_back();
        EXPECT_EQ(received, c.sent) << c.name;
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

TEST(SerialPort, FailureAfterTheDeviceOpenedLeavesThePortOpenForTheOwner) {
    const struct {
        const char* name;
        bool deviceOpens;
        bool configures;
        const char* lineSettings;
        bool openAfter;
    } cases[] = {
        {"device missing", false, true, "9600,N,8,2", false},
        {"device refuses the settings", true, false, "9600,N,8,2", true},
        {"unreadable settings", true, true, "9600,X,8,2", true},
        {"too few settings", true, true, "9600,N,8", true},
    };
    for (const auto& c : cases) {
        RecordingDevice device;
        device.opens = c.deviceOpens;
        device.configures = c.configures;
        SerialPort port(device, PathOf);
        port.SetLineSettings(c.lineSettings);
        EXPECT_EQ(port.SetOpen(true), 0) << c.name;
        EXPECT_EQ(port.IsOpen(), c.openAfter) << c.name;
        EXPECT_EQ(device.open, c.openAfter) << c.name;
        EXPECT_EQ(port.SetOpen(false), 1) << c.name;
        EXPECT_FALSE(device.open) << c.name;
    }
}

} // namespace
} // namespace rpx
