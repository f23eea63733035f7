#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

#include "core/link/serial_device.h"

namespace rpx {

// Two connected in-memory serial devices: what one end writes, the other receives. Used to run the
// simulated radio inside the program and in tests. Both ends may be used from different threads.
class MemorySerialPair {
public:
    MemorySerialPair();
    ~MemorySerialPair();
    MemorySerialPair(const MemorySerialPair&) = delete;
    MemorySerialPair& operator=(const MemorySerialPair&) = delete;
    SerialDevice& First();
    SerialDevice& Second();

    class End;

private:
    struct Channel {
        std::mutex mutex;
        std::condition_variable arrived;
        std::deque<uint8_t> bytes;
    };

    Channel m_aToB;
    Channel m_bToA;
    std::unique_ptr<End> m_first;
    std::unique_ptr<End> m_second;
};

} // namespace rpx
