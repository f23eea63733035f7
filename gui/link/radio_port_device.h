#pragma once

#include "transport/radio_port_device.h"

namespace rpx::gui {

// The window's radio port device is the one the command line uses.
using RadioPortDevice = transport::RadioPortDevice;

} // namespace rpx::gui
