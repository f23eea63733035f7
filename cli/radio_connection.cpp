#include "cli/radio_connection.h"

namespace rpx::cli {

Status RadioConnection::Open(const std::string& devicePath, const std::string* traceFile) {
    if (traceFile != nullptr) {
        if (Status traced = m_device.SetTraceFile(*traceFile); !traced)
            return traced;
    }
    m_port = std::make_unique<SerialPort>(m_device, [devicePath](uint8_t) { return devicePath; });
    return {};
}

} // namespace rpx::cli
