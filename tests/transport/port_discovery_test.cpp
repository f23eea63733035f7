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
    const std::pair<uint8_t, const char*> cases[] = {
        {1, "/dev/ttyUSB2"}, {2, "/dev/ttyUSB10"}, {3, "/dev/ttyACM0"},
        {4, "/dev/ttyAMA0"}, {5, "/dev/ttyS0"},    {7, "/dev/ttyS2"},
        {8, "/dev/ttyS10"},  {9, "/dev/ttyS8"},    {0, ""},
    };
    for (const auto& [number, path] : cases)
        EXPECT_EQ(PathOfPortNumber(ordered, number), path) << int(number);
    EXPECT_EQ(PathOfPortNumber({}, 1), "/dev/ttyS0");
    EXPECT_EQ(PathOfPortNumber({}, 255), "/dev/ttyS254");
}

} // namespace
} // namespace rpx::transport
