#pragma once

#include <optional>
#include <string>
#include <vector>

#include "transport/port_discovery.h"

namespace rpx::cli {

// The device a --port name stands for: COMn (any case, n from 1 to 255) is the n-th of the ports
// in port-number order, as `ports` lists them; a device path and "virtual" stand for themselves.
// Nothing for COM0, a number above 255 or one with a leading zero.
std::optional<std::string> ResolvePortName(const std::string& name,
                                           const std::vector<transport::DetectedPort>& orderedPorts);

} // namespace rpx::cli
