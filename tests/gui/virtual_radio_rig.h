#pragma once

#include <QFontDatabase>
#include <QWidget>

#include <chrono>

#include "core/link/radio_link.h"
#include "core/link/serial_port.h"
#include "gui/link/gui_link_ui.h"
#include "gui/link/link_runner.h"
#include "gui/link/radio_port_device.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"
#include "transport/port_discovery.h"

namespace rpx::gui {

// The program's side of the radio port as the application puts it together, pointed at the Virtual
// radio, with a shown window for the operation's windows to stand over.
struct VirtualRadioRig {
    static constexpr LinkTiming kQuick{{}, {}, std::chrono::milliseconds(300), {}};

    explicit VirtualRadioRig(sim::RadioSetup radio = {}) : device(std::move(radio)) {
        port.SetDevicePath(std::string(sim::kVirtualRadioPort));
        window.show();
    }
    sim::SimulatedRadio& Radio() { return device.InProcessRadio().Radio(); }

    QWidget window;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::ShippedTexts()};
    Session session;
    GuiLinkUi ui{&window, test::ShippedTexts(), QFontDatabase::systemFont(QFontDatabase::FixedFont)};
    RadioPortDevice device;
    SerialPort port{device, transport::PathOfDetectedPort};
    RadioLink link{port, session, notifier, ui, kQuick};
    LinkRunner runner;
};

} // namespace rpx::gui
