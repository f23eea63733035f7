#pragma once

#include <string_view>
#include <thread>

#include "core/link/memory_serial_pair.h"
#include "core/link/serial_device.h"
#include "sim/radio_setup.h"
#include "sim/simulated_radio.h"

namespace rpx::sim {

// The name the program's port choice shows for the radio inside the program.
inline constexpr std::string_view kVirtualRadioPort = "Virtual radio";

// A simulated radio inside the program: it serves one end of an in-memory line on its own thread,
// from construction until destruction. The program opens Device() as its port.
class VirtualRadio {
public:
    // onSessionStored, when given, is called on the radio's thread as SimulatedRadio describes.
    explicit VirtualRadio(RadioSetup setup = {}, SimulatedRadio::SessionHandler onSessionStored = {});
    ~VirtualRadio();
    VirtualRadio(const VirtualRadio&) = delete;
    VirtualRadio& operator=(const VirtualRadio&) = delete;

    // The program's end of the line.
    SerialDevice& Device() { return m_line.First(); }
    SimulatedRadio& Radio() { return m_radio; }

private:
    MemorySerialPair m_line;
    SimulatedRadio m_radio;
    std::thread m_thread;
};

} // namespace rpx::sim
