#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <string_view>
#include <vector>

#include "core/link/port_dialog_rules.h"
#include "core/text/language_table.h"
#include "sim/virtual_radio.h"
#include "transport/port_discovery.h"

namespace rpx::gui {

// Setup > Port: com1..com4, each with the device it stands for here, then the other serial
// devices present, the virtual radio, and a field for any device path. The constructor adds those
// choices to the rules and opens them, so each showing takes fresh rules.
class PortDialog : public QDialog {
    Q_OBJECT

public:
    // virtualPort: the simulated device offered (the Virtual radio, or the Virtual board for the
    // board's port); title: of the window and its group.
    PortDialog(PortDialogRules& rules, const LanguageTable& texts, QWidget* parent,
               std::vector<transport::DetectedPort> detectedPorts = transport::DetectPorts(),
               std::string_view virtualPort = sim::kVirtualRadioPort, TextId title = PortDialogRules::kTitle);

    // Points the radio's port at the chosen device.
    void accept() override;

private:
    void UpdateOk();

    PortDialogRules& m_rules;
    QButtonGroup* m_choices;
    QRadioButton* m_typedChoice;
    QLineEdit* m_typedPath;
    QPushButton* m_ok;
};

} // namespace rpx::gui
