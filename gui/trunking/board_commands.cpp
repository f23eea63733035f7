#include "gui/trunking/board_commands.h"

#include "core/link/port_dialog_rules.h"
#include "core/radio/image_layout.h"
#include "core/text/startup_texts.h"
#include "gui/link/port_dialog.h"

namespace rpx::gui {

BoardCommands::BoardCommands(QWidget* window, Session& session, Notifier& notifier, GuiLinkUi& ui,
                             LinkRunner& runner)
    : m_window(window), m_session(session), m_texts(notifier.Texts()), m_runner(runner),
      m_port(m_device, transport::PathOfDetectedPort), m_prompt(window, notifier.Texts()),
      m_link(m_port, session.board, session.accessCodeKnown, notifier, ui, m_prompt) {}

void BoardCommands::Run(bool (BoardLink::*command)()) {
    if (m_session.image.Byte(layout::kPortMode) != layout::kTrunkingPortMode)
        return;
    m_runner.Run(m_window, [&] { (m_link.*command)(); });
}

void BoardCommands::OnReadBoard() {
    Run(&BoardLink::OnReadBoard);
}

void BoardCommands::OnWriteBoard() {
    Run(&BoardLink::OnWriteBoard);
}

void BoardCommands::OnTrunkingMode() {
    Run(&BoardLink::OnTrunkingMode);
}

void BoardCommands::OnSetupBoardPort() {
    PortDialogRules rules(m_port);
    PortDialog dialog(rules, m_texts, m_window, transport::DetectPorts(), sim::kVirtualBoardPort,
                      txt::kBoardPortTitle);
    dialog.exec();
}

} // namespace rpx::gui
