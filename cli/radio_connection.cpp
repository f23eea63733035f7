#include "cli/radio_connection.h"

namespace rpx::cli {

Status RadioConnection::Open(const std::string& port, const std::string* traceFile) {
    if (traceFile != nullptr) {
        if (Status traced = m_device.SetTraceFile(*traceFile); !traced)
            return traced;
    }
    m_port = std::make_unique<SerialPort>(m_device,
                                          [path = transport::PortPathOf(port)](uint8_t) { return path; });
    return {};
}

} // namespace rpx::cli
