#include "core/link/memory_serial_pair.h"

#include <algorithm>

namespace rpx {

class MemorySerialPair::End : public SerialDevice {
public:
    End(Channel& in, Channel& out) : m_in(in), m_out(out) {}

    bool Open(const std::string&) override {
        m_open = true;
        return true;
    }
    void Close() override { m_open = false; }
    bool IsOpen() const override { return m_open; }
    bool Configure(const LineSettings&) override { return m_open; }
    bool SetDtr(bool) override { return m_open; }
    bool SetRts(bool) override { return m_open; }

    bool Write(std::span<const uint8_t> bytes) override {
        if (!m_open)
            return false;
        {
            std::lock_guard lock(m_out.mutex);
            m_out.bytes.insert(m_out.bytes.end(), bytes.begin(), bytes.end());
        }
        m_out.arrived.notify_all();
        return true;
    }

    int BytesWaiting() override {
        if (!m_open)
            return -1;
        std::lock_guard lock(m_in.mutex);
        return static_cast<int>(m_in.bytes.size());
    }

    bool WaitForInput(int knownCount, std::chrono::milliseconds timeout) override {
        std::unique_lock lock(m_in.mutex);
        return m_in.arrived.wait_for(lock, timeout,
                                     [&] { return static_cast<int>(m_in.bytes.size()) != knownCount; });
    }

    std::size_t Read(std::span<uint8_t> buffer, std::chrono::milliseconds timeout) override {
        if (!m_open)
            return 0;
        std::unique_lock lock(m_in.mutex);
        m_in.arrived.wait_for(lock, timeout, [&] { return m_in.bytes.size() >= buffer.size(); });
        const std::size_t count = std::min(buffer.size(), m_in.bytes.size());
        std::copy_n(m_in.bytes.begin(), count, buffer.begin());
        m_in.bytes.erase(m_in.bytes.begin(), m_in.bytes.begin() + static_cast<std::ptrdiff_t>(count));
        return count;
    }

    void PurgeInput() override {
        std::lock_guard lock(m_in.mutex);
        m_in.bytes.clear();
    }

    std::string ErrorText() const override { return {}; }
    bool PermissionDenied() const override { return false; }

private:
    Channel& m_in;
    Channel& m_out;
    bool m_open = false;
};

MemorySerialPair::MemorySerialPair()
    : m_first(std::make_unique<End>(m_bToA, m_aToB)), m_second(std::make_unique<End>(m_aToB, m_bToA)) {}

MemorySerialPair::~MemorySerialPair() = default;

SerialDevice& MemorySerialPair::First() { return *m_first; }
SerialDevice& MemorySerialPair::Second() { return *m_second; }

} // namespace rpx
