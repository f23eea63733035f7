#include "core/link/serial_port.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

namespace rpx {

namespace {

bool ParseInt(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

bool ParseLineSettings(std::string_view text, LineSettings& settings) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    LineSettings parsed;
    if (parts.size() != 4 || !ParseInt(parts[0], parsed.baudRate) || parts[1].size() != 1 ||
        !ParseInt(parts[2], parsed.dataBits) || !ParseInt(parts[3], parsed.stopBits))
        return false;
    parsed.parity = static_cast<char>(std::toupper(static_cast<unsigned char>(parts[1][0])));
    if (parsed.baudRate <= 0 || (parsed.parity != 'N' && parsed.parity != 'E' && parsed.parity != 'O') ||
        parsed.dataBits < 5 || parsed.dataBits > 8 || (parsed.stopBits != 1 && parsed.stopBits != 2))
        return false;
    settings = parsed;
    return true;
}

SerialPort::SerialPort(SerialDevice& device, PathOfPort pathOfPort)
    : m_device(device), m_pathOfPort(std::move(pathOfPort)) {}

std::string SerialPort::DevicePath() const {
    return m_devicePath.empty() ? m_pathOfPort(m_portNumber) : m_devicePath;
}

int SerialPort::SetPortNumber(uint8_t number) {
    if (number != 0)
        m_portNumber = number;
    if (!m_isOpen)
        return 1;
    SetOpen(false);
    return SetOpen(true);
}

int SerialPort::SetOpen(bool open) {
    if (open == m_isOpen)
        return 1;
    if (!open) {
        m_device.Close();
        m_isOpen = false;
        return 1;
    }
    if (!m_device.Open(DevicePath()))
        return 0;
    // From here a failure leaves the port open; the owner closes it.
    m_isOpen = true;
    if (!SetInputQueueSize(m_inputQueueSize) || !SetOutputQueueSize(m_outputQueueSize))
        return 0;
    if (!SetLineSettings(m_lineSettings) || !SetReadTimeout(m_readTimeoutMs))
        return 0;
    m_device.SetRts(false); // a pseudo-terminal has no modem lines: not an error
    return 1;
}

int SerialPort::SetInputQueueSize(uint16_t size) {
    m_inputQueueSize = size;
    return 1;
}

int SerialPort::SetOutputQueueSize(uint16_t size) {
    m_outputQueueSize = size;
    return 1;
}

int SerialPort::SetLineSettings(std::string_view settings) {
    std::string text(settings);
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    m_lineSettings = text;
    return m_isOpen ? ApplyLineSettings() : 1;
}

int SerialPort::ApplyLineSettings() {
    LineSettings settings;
    if (!ParseLineSettings(m_lineSettings, settings) || !m_device.Configure(settings))
        return 0;
    // DTR high and RTS low power the radio's programming interface; refused lines are harmless.
    m_device.SetDtr(true);
    m_device.SetRts(false);
    return 1;
}

int SerialPort::SetReadTimeout(uint32_t milliseconds) {
    m_readTimeoutMs = milliseconds;
    return 1;
}

int SerialPort::Write(std::span<const uint8_t> bytes) {
    if (!m_isOpen)
        return 0;
    m_device.PurgeInput();
    return m_device.Write(bytes) ? 1 : 0;
}

int SerialPort::WriteString(std::string_view text) {
    return Write({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

int SerialPort::WriteByte(uint8_t value) { return Write({&value, 1}); }

int SerialPort::Read(std::span<uint8_t> buffer) {
    if (!m_isOpen)
        return 0;
    return m_device.Read(buffer, std::chrono::milliseconds(m_readTimeoutMs)) >= buffer.size() ? 1 : 0;
}

int SerialPort::PurgeInput() {
    if (m_isOpen)
        m_device.PurgeInput();
    return 1;
}

int SerialPort::BytesWaiting() { return m_isOpen ? m_device.BytesWaiting() : -1; }

bool SerialPort::WaitForInput(int knownCount, std::chrono::milliseconds timeout) {
    return m_isOpen && m_device.WaitForInput(knownCount, timeout);
}

} // namespace rpx
