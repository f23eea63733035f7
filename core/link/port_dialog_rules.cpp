#include "core/link/port_dialog_rules.h"

#include <utility>

namespace rpx {

PortDialogRules::PortDialogRules(SerialPort& radioPort)
    : m_port(radioPort) {
    for (const auto& [text, number] : {std::pair<TextId, uint8_t>{3015001, 1}, {3015003, 2}, {3015005, 3}, {3015009, 4}}) {
        PortChoice choice;
        choice.text = text;
        choice.portNumber = number;
        m_choices.push_back(choice);
    }
}

void PortDialogRules::AddDeviceChoice(std::string label, std::string devicePath) {
    PortChoice choice;
    choice.label = std::move(label);
    choice.devicePath = std::move(devicePath);
    m_choices.push_back(std::move(choice));
}

void PortDialogRules::Open() {
    m_selection = 0;
    // A device chosen by path (the virtual radio, a typed path) is in force over the number.
    const std::string& chosen = m_port.ChosenDevicePath();
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        const PortChoice& choice = m_choices[i];
        const bool matches = chosen.empty() ? choice.portNumber != 0 && choice.portNumber == m_port.PortNumber()
                                            : choice.devicePath == chosen;
        if (matches)
            m_selection = static_cast<int>(i);
    }
    if (!chosen.empty() && m_choices[static_cast<std::size_t>(m_selection)].devicePath != chosen) {
        AddDeviceChoice(chosen, chosen);
        m_selection = static_cast<int>(m_choices.size() - 1);
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
