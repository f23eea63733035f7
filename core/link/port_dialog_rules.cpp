#include "core/link/port_dialog_rules.h"

namespace rpx {

PortDialogRules::PortDialogRules(SerialPort& radioPort)
    : m_port(radioPort), m_choices{{3015001, {}, 1, {}},
                                   {3015003, {}, 2, {}},
                                   {3015005, {}, 3, {}},
                                   {3015009, {}, 4, {}}} {}

void PortDialogRules::AddDeviceChoice(std::string label, std::string devicePath) {
    m_choices.push_back({0, std::move(label), 0, std::move(devicePath)});
}

void PortDialogRules::Open() {
    m_selection = 0;
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        if (m_choices[i].portNumber != 0 && m_choices[i].portNumber == m_port.PortNumber())
            m_selection = static_cast<int>(i);
    }
}

void PortDialogRules::Select(int index) {
    if (index >= -1 && index < static_cast<int>(m_choices.size()))
        m_selection = index;
}

int PortDialogRules::Ok() {
    if (m_selection < 0)
        return 1;
    const PortChoice& choice = m_choices[static_cast<std::size_t>(m_selection)];
    // A numbered choice drops any device path chosen before; 0 keeps the number and only reopens.
    m_port.SetDevicePath(choice.devicePath);
    return m_port.SetPortNumber(choice.portNumber);
}

} // namespace rpx
