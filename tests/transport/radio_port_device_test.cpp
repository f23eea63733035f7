#include <gtest/gtest.h>

#include "core/link/serial_port.h"
#include "sim/demo_image.h"
#include "tests/support/temp_dir.h"
#include "transport/radio_port_device.h"

namespace rpx::transport {
namespace {

int Count(const std::string& text, const std::string& what) {
    int count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

// One talk with the Virtual radio: open, "PROGRAM", close.
void Talk(RadioPortDevice& device) {
    SerialPort port(device, [](uint8_t) { return std::string(kVirtualPort); });
    ASSERT_TRUE(port.SetOpen(true));
    port.WriteString("PROGRAM");
    port.SetOpen(false);
}

TEST(RadioPortDevice, TheVirtualRadioHoldsTheDemonstrationImage) {
    RadioPortDevice device;
    Talk(device);
    EXPECT_EQ(device.InProcessRadio().Radio().Memory(), sim::DemoRadioImage());
}

// The trace file appears only when the talk begins; a trace of ours is appended to under a new
// session header; any other file is refused and left as it was; switched off, nothing more is logged.
TEST(RadioPortDevice, TraceFileRules) {
    const test::TempDir dir;
    const auto trace = dir / "wire.log";
    RadioPortDevice device;
    ASSERT_TRUE(device.SetTraceFile(trace));
    EXPECT_FALSE(std::filesystem::exists(trace));
    Talk(device);
    RadioPortDevice again;
    ASSERT_TRUE(again.SetTraceFile(trace));
    Talk(again);
    const std::string logged = test::ReadFileText(trace);
    EXPECT_EQ(logged.find("# RPX-41C wire trace\n"), 0u) << logged;
    EXPECT_EQ(Count(logged, "# RPX-41C wire trace"), 1) << logged;
    EXPECT_EQ(Count(logged, "# session "), 2) << logged;
    EXPECT_EQ(Count(logged, "> 50 52 4F 47 52 41 4D"), 2) << logged;

    ASSERT_TRUE(again.SetTraceFile(std::nullopt));
    Talk(again);
    EXPECT_EQ(test::ReadFileText(trace), logged);

    dir.Write("radio.dat", std::string("RZ7150 data"));
    const Status refused = device.SetTraceFile(dir / "radio.dat");
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.Message().find("radio.dat"), std::string::npos);
    EXPECT_FALSE(device.SetTraceFile(dir.Path()));
    Talk(device);
    EXPECT_EQ(test::ReadFileText(dir / "radio.dat"), "RZ7150 data");
}

// --port and the Port dialog take every name `ports` lists.
TEST(RadioPortDevice, PortNamesStandForTheirDevices) {
    const std::vector<DetectedPort> ports = {{"/dev/ttyUSB0", "", ""}, {"/dev/ttyS0", "", ""}};
    const struct {
        const char* name;
        std::optional<std::string> device;
    } cases[] = {
        {"COM1", "/dev/ttyUSB0"},   {"com2", "/dev/ttyS0"},           {"COM3", "/dev/ttyS2"},
        {"COM255", "/dev/ttyS254"}, {"/dev/ttyACM0", "/dev/ttyACM0"}, {"virtual", std::string(kVirtualPort)},
        {"VIRTUAL", std::string(kVirtualPort)}, {"COMx", "COMx"},     {"COM0", std::nullopt},
        {"COM256", std::nullopt},   {"COM01", std::nullopt},          {"COM1000", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortPathOf(c.name, ports), c.device) << c.name;
}

} // namespace
} // namespace rpx::transport
