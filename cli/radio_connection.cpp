#include "cli/radio_connection.h"

namespace rpx::cli {

bool RadioConnection::Open(const std::string& port, const std::string* traceFile, std::string& error) {
    SerialDevice* device = nullptr;
    if (port == kVirtualPort) {
        m_virtualRadio = std::make_unique<sim::VirtualRadio>();
        device = &m_virtualRadio->Device();
    } else {
        m_serialDevice = std::make_unique<transport::QtSerialDevice>();
        device = m_serialDevice.get();
    }
    if (traceFile != nullptr) {
        m_traceFile.open(*traceFile, std::ios::trunc);
        if (!m_traceFile) {
            error = "cannot create the trace file " + *traceFile;
            return false;
        }
        m_tracing = std::make_unique<TracingDevice>(*device, m_traceFile);
        device = m_tracing.get();
    }
    m_port = std::make_unique<SerialPort>(*device, [port](uint8_t) { return port; });
    return true;
}

} // namespace rpx::cli
