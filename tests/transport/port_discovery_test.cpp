#include <gtest/gtest.h>

#include "transport/port_discovery.h"

namespace rpx::transport {
namespace {

std::vector<DetectedPort> PortsAt(const std::vector<std::string>& paths) {
    std::vector<DetectedPort> ports;
    for (const std::string& path : paths)
        ports.push_back({path, "", ""});
    return ports;
}

std::vector<std::string> PathsOf(const std::vector<DetectedPort>& ports) {
    std::vector<std::string> paths;
    for (const DetectedPort& port : ports)
        paths.push_back(port.path);
    return paths;
}

TEST(PortDiscovery, UsbAdaptersComeFirstAndOnboardPortsLastEachByNumber) {
    const auto ordered =
        InPortNumberOrder(PortsAt({"/dev/ttyS1", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyS10",
                                   "/dev/ttyAMA0", "/dev/ttyUSB2", "/dev/ttyS0", "/dev/ttyS2"}));
    EXPECT_EQ(PathsOf(ordered),
              (std::vector<std::string>{"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyAMA0",
                                        "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS10"}));
}

TEST(PortDiscovery, PortNumberNamesTheNthDeviceOrAnOnboardPort) {
    const auto usbAndOnboard = InPortNumberOrder(PortsAt({"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyS1"}));
    const struct {
        std::vector<DetectedPort> ports;
        uint8_t number;
        const char* path;
    } cases[] = {
        {usbAndOnboard, 1, "/dev/ttyUSB0"}, {usbAndOnboard, 3, "/dev/ttyS1"},
        {usbAndOnboard, 4, "/dev/ttyS3"},   {{}, 1, "/dev/ttyS0"},
        {{}, 255, "/dev/ttyS254"},          {usbAndOnboard, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PathOfPortNumber(c.ports, c.number), c.path) << int(c.number);
}

TEST(PortDiscovery, DetectedPortsAreInPortNumberOrder) {
    const std::vector<DetectedPort> detected = DetectPorts();
    EXPECT_EQ(PathsOf(detected), PathsOf(InPortNumberOrder(detected)));
    EXPECT_EQ(PathOfDetectedPort(255), detected.size() >= 255 ? detected[254].path : "/dev/ttyS254");
}

} // namespace
} // namespace rpx::transport
