#include "transport/port_discovery.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <string_view>
#include <tuple>

namespace rpx::transport {

namespace {

// Where a device sorts: its family rank, its path without the trailing number, and that number
// (compared by length first so "10" follows "9").
auto SortKey(const std::string& path) {
    const std::size_t digits = path.size() - (path.find_last_not_of("0123456789") + 1);
    const std::string_view stem(path.data(), path.size() - digits);
    const std::string_view number(path.data() + stem.size(), digits);
    const int rank = stem == "/dev/ttyUSB" ? 0 : stem == "/dev/ttyACM" ? 1 : stem == "/dev/ttyS" ? 3 : 2;
    return std::make_tuple(rank, stem, number.size(), number);
}

} // namespace

std::vector<DetectedPort> DetectPorts() {
    std::vector<DetectedPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        ports.push_back({info.systemLocation().toStdString(), info.description().toStdString(),
                         info.manufacturer().toStdString()});
    }
    return InPortNumberOrder(std::move(ports));
}

std::vector<DetectedPort> InPortNumberOrder(std::vector<DetectedPort> ports) {
    std::stable_sort(ports.begin(), ports.end(), [](const DetectedPort& a, const DetectedPort& b) {
        return SortKey(a.path) < SortKey(b.path);
    });
    return ports;
}

std::string PathOfPortNumber(const std::vector<DetectedPort>& orderedPorts, uint8_t portNumber) {
    if (portNumber == 0)
        return {};
    if (portNumber <= orderedPorts.size())
        return orderedPorts[portNumber - 1u].path;
    return "/dev/ttyS" + std::to_string(portNumber - 1);
}

std::string PathOfDetectedPort(uint8_t portNumber) {
    return PathOfPortNumber(DetectPorts(), portNumber);
}

} // namespace rpx::transport
