#include <gtest/gtest.h>

#include "transport/port_discovery.h"

namespace rpx::transport {
namespace {

// USB adapters come first and onboard ports last, each by number; numbers past the detected ports
// name onboard ports.
TEST(PortDiscovery, PortNumberNamesTheNthPortInOrderOrAnOnboardPort) {
    std::vector<DetectedPort> detected;
    for (const char* path : {"/dev/ttyS1", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyS10", "/dev/ttyAMA0",
                             "/dev/ttyUSB2", "/dev/ttyS0", "/dev/ttyS2"})
        detected.push_back({path, "", ""});
    const std::vector<DetectedPort> ordered = InPortNumberOrder(detected);
    const struct {
        std::vector<DetectedPort> ports;
        uint8_t number;
        const char* path;
    } cases[] = {
        {ordered, 1, "/dev/ttyUSB2"},
        {ordered, 2, "/dev/ttyUSB10"},
        {ordered, 3, "/dev/ttyACM0"},
        {ordered, 4, "/dev/ttyAMA0"},
        {ordered, 5, "/dev/ttyS0"},
        {ordered, 7, "/dev/ttyS2"},
        {ordered, 8, "/dev/ttyS10"},
        {ordered, 9, "/dev/ttyS8"},
        {{}, 1, "/dev/ttyS0"},
        {{}, 255, "/dev/ttyS254"},
        {ordered, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PathOfPortNumber(c.ports, c.number), c.path) << int(c.number);
}

} // namespace
} // namespace rpx::transport
