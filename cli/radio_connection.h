#pragma once

#include <memory>
#include <string>

#include "core/app/result.h"
#include "core/link/serial_port.h"
#include "transport/radio_port_device.h"

namespace rpx::cli {

// The radio port named by --port, already turned into its device path (transport::PortPathOf): a
// serial device, or the simulated radio inside this process; with --trace every byte is logged to a
// file once the radio talk begins.
class RadioConnection {
public:
    // A failure when the trace file names an existing file that is not a trace of ours.
    Status Open(const std::string& devicePath, const std::string* traceFile);
    SerialPort& Port() { return *m_port; }

private:
    transport::RadioPortDevice m_device;
    std::unique_ptr<SerialPort> m_port;
};

} // namespace rpx::cli
