#include "sim/virtual_radio.h"

#include <string>

namespace rpx::sim {

VirtualRadio::VirtualRadio(RadioSetup setup, SimulatedRadio::SessionHandler onSessionStored)
    : m_radio(m_line.Second(), std::move(setup)) {
    m_radio.SetSessionHandler(std::move(onSessionStored));
    m_line.Second().Open(std::string(kVirtualRadioPort));
    m_thread = std::thread([this] { m_radio.Run(); });
}

VirtualRadio::~VirtualRadio() {
    m_radio.Stop();
    m_thread.join();
}

} // namespace rpx::sim
