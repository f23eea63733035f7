#include "cli/link_command.h"

#include <iostream>
#include <unistd.h>

namespace rpx::cli {

std::optional<std::string> NamedPortDevice(const CliContext& context, int& exitCode) {
    const std::string* port = context.line.Value("port");
    std::optional<std::string> device = port != nullptr && !port->empty()
                                            ? transport::PortPathOf(*port, transport::DetectPorts())
                                            : std::nullopt;
    if (!device)
        exitCode =
            context.UsageError("--port names the port as `rpx41c-cli ports` lists it: COM1 to COM255, a "
                               "device path such as /dev/ttyUSB0, or virtual");
    return device;
}

LinkCommand::LinkCommand(const CliContext& context) : m_context(context) {}

bool LinkCommand::Prepare(int& exitCode) {
    const std::optional<std::string> device = NamedPortDevice(m_context, exitCode);
    if (!device)
        return false;
    if (const Status opened = m_connection.Open(*device, m_context.line.Value("trace")); !opened) {
        m_context.err << opened.Message() << '\n';
        exitCode = kExitFailed;
        return false;
    }
    const std::string* password = m_context.line.Value("password");
    m_ui = std::make_unique<CliLinkUi>(m_context.notifier.Texts(),
                                       password ? std::optional<std::string>(*password) : std::nullopt,
                                       std::cin, m_context.err, isatty(STDIN_FILENO) != 0);
    m_link = std::make_unique<RadioLink>(m_connection.Port(), m_context.session, m_context.notifier, *m_ui);
    return true;
}

} // namespace rpx::cli
