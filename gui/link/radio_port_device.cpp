#include "gui/link/radio_port_device.h"

namespace rpx::gui {

RadioPortDevice::RadioPortDevice(sim::RadioSetup virtualRadioSetup)
    : m_virtualRadioSetup(std::move(virtualRadioSetup)) {}

sim::VirtualRadio& RadioPortDevice::InProcessRadio() {
    // Made on first use: a run that never picks the Virtual radio starts no simulator thread.
    if (m_virtualRadio == nullptr)
        m_virtualRadio = std::make_unique<sim::VirtualRadio>(m_virtualRadioSetup);
    return *m_virtualRadio;
}

bool RadioPortDevice::Open(const std::string& path) {
    // Switching devices never leaves the other one open.
    m_current->Close();
    m_current = path == sim::kVirtualRadioPort ? &InProcessRadio().Device() : &m_serialDevice;
    return m_current->Open(path);
}

} // namespace rpx::gui
