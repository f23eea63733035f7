#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli/cli_link_ui.h"
#include "cli/commands.h"
#include "cli/radio_connection.h"
#include "core/link/radio_link.h"

namespace rpx::cli {

// The device path --port names; nothing (with the exit code of the usage error in exitCode) when it
// names no usable port.
std::optional<std::string> NamedPortDevice(const CliContext& context, int& exitCode);

// What every radio command needs: the port from --port (and --trace), the windows of an
// operation on a terminal (--password), and the radio link over them.
class LinkCommand {
public:
    explicit LinkCommand(const CliContext& context);
    // False (with the exit code in exitCode) when the options name no usable port.
    bool Prepare(int& exitCode);
    RadioLink& Link() { return *m_link; }

private:
    const CliContext& m_context;
    RadioConnection m_connection;
    std::unique_ptr<CliLinkUi> m_ui;
    std::unique_ptr<RadioLink> m_link;
};

} // namespace rpx::cli
