#pragma once

#include <QWidget>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/link/serial_port.h"
#include "core/trunking/board_link.h"
#include "gui/link/gui_link_ui.h"
#include "gui/link/link_runner.h"
#include "gui/trunking/access_code_view.h"
#include "transport/radio_port_device.h"

namespace rpx::gui {

// The trunking board's commands in the window: the board port (its device chosen as the radio's
// is, the Virtual board among them) and the board link over it, run on the worker thread as the
// radio commands are. Each command does nothing unless the function port is in trunking mode.
class BoardCommands {
public:
    BoardCommands(QWidget* window, Session& session, Notifier& notifier, GuiLinkUi& ui, LinkRunner& runner);

    void OnReadBoard();
    void OnWriteBoard();
    void OnTrunkingMode();
    // Setup > Board Port.
    void OnSetupBoardPort();

    SerialPort& BoardPort() { return m_port; }
    transport::RadioPortDevice& BoardDevice() { return m_device; }

private:
    void Run(bool (BoardLink::*command)());

    QWidget* m_window;
    Session& m_session;
    const LanguageTable& m_texts;
    LinkRunner& m_runner;
    transport::RadioPortDevice m_device;
    SerialPort m_port;
    GuiAccessCodePrompt m_prompt;
    BoardLink m_link;
};

} // namespace rpx::gui
