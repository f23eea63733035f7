#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/link/serial_port.h"
#include "core/text/language_table.h"
#include "core/text/text_id.h"

namespace rpx {

// One entry of the Port dialog: a numbered port ("COM"n) or a device path.
struct PortChoice {
    TextId text = 0;        // label from the language files; 0 when label holds it
    std::string label;      // the label of a choice without a text (a device path, the virtual radio)
    uint8_t portNumber = 0; // 1..255: the port of that number; 0: devicePath
    std::string devicePath;

    std::string Label(const LanguageTable& texts) const { return text != 0 ? texts.GetText(text) : label; }
};

// What the Port dialog does to the radio's port: the choices com1..com4 (the window may add device
// paths after them), the selection when it opens, and OK. Cancel is closing without Ok().
class PortDialogRules {
public:
    static constexpr TextId kTitle = 3002115; // window title and group box
    static constexpr int kHelpContext = 1371;

    explicit PortDialogRules(SerialPort& radioPort);

    // A device to offer after com1..com4, such as a detected adapter, a typed path or the virtual radio.
    void AddDeviceChoice(std::string label, std::string devicePath);
    const std::vector<PortChoice>& Choices() const { return m_choices; }

    // Selects the choice of the port's number; a number without a choice selects com1.
    void Open();
    int Selection() const { return m_selection; } // -1: nothing selected
    void Select(int index);

    // Points the port at the selected choice, reopening it if it is open; returns that opening's
    // result, or 1 when the port is closed or nothing is selected.
    int Ok();

private:
    SerialPort& m_port;
    std::vector<PortChoice> m_choices;
    int m_selection = -1;
};

} // namespace rpx
