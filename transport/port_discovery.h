#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rpx::transport {

// A serial device present on this computer.
struct DetectedPort {
    std::string path; // e.g. /dev/ttyUSB0
    std::string description;
    std::string manufacturer;
};

// The serial devices present now, in port-number order.
std::vector<DetectedPort> DetectPorts();

// Port-number order: USB adapters (ttyUSB, then ttyACM), other devices, then the on-board ports
// (ttyS), each family by its device number.
std::vector<DetectedPort> InPortNumberOrder(std::vector<DetectedPort> ports);

// Port n is the n-th of the ordered devices; beyond them it is /dev/ttyS{n-1}. Port 0 names no
// device (empty path), so opening it fails.
std::string PathOfPortNumber(const std::vector<DetectedPort>& orderedPorts, uint8_t portNumber);

// PathOfPortNumber over the devices present at the call, so adapters plugged in later count.
std::string PathOfDetectedPort(uint8_t portNumber);

} // namespace rpx::transport
