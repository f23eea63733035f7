#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>

#include <array>
#include <functional>

#include "core/features/function_port_rules.h"

namespace rpx::gui {

class PortField;

// Edit > Function Port: the device on the accessory port, a field per port line and ignition sense.
// A port field that takes the focus becomes the line's list; leaving it stores the chosen
// function. A device change is in the image at once and reported to deviceChanged, so the grid's
// trunking rows and the menus follow it while the dialog is open. Cancel puts every byte back (the
// rules do, when they end without OK).
class FunctionPortDialog : public QDialog {
    Q_OBJECT

public:
    // 0x20000 plus the dialog's resource number 218.
    static constexpr int kHelpContext = 0x200DA;

    FunctionPortDialog(FunctionPortRules& rules, const LanguageTable& texts,
                       std::function<void()> deviceChanged, QWidget* parent);

    // Stores the port whose list is open and applies the closing rules.
    void accept() override;

protected:
    // Enter moves on as Tab does; on OK or Cancel the button takes it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowPorts();

    FunctionPortRules& m_rules;
    std::function<void()> m_deviceChanged;
    QComboBox* m_device;
    std::array<PortField*, FunctionPortRules::kPortCount> m_ports{};
    QCheckBox* m_ignition;
};

// Runs the dialog modally over the session's image; true when it closed with OK. deviceChanged
// runs after each change of the device while the dialog is open.
bool RunFunctionPortDialog(Session& session, Notifier& notifier, const std::function<void()>& deviceChanged,
                           QWidget* parent);

} // namespace rpx::gui
