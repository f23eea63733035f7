#pragma once

#include <fstream>
#include <memory>
#include <string>

#include "core/link/serial_port.h"
#include "core/link/tracing_device.h"
#include "sim/virtual_radio.h"
#include "transport/qt_serial_device.h"

namespace rpx::cli {

// The radio port named by --port: a serial device path, or "virtual" for the simulated radio
// inside this process; with --trace every byte is logged to a file.
class RadioConnection {
public:
    static constexpr const char* kVirtualPort = "virtual";

    // False with a reason when the trace file cannot be created.
    bool Open(const std::string& port, const std::string* traceFile, std::string& error);
    SerialPort& Port() { return *m_port; }

private:
    std::unique_ptr<sim::VirtualRadio> m_virtualRadio;
    std::unique_ptr<transport::QtSerialDevice> m_serialDevice;
    std::ofstream m_traceFile;
    std::unique_ptr<TracingDevice> m_tracing;
    std::unique_ptr<SerialPort> m_port;
};

} // namespace rpx::cli
