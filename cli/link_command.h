#pragma once

#include <memory>

#include "cli/cli_link_ui.h"
#include "cli/commands.h"
#include "cli/radio_connection.h"
#include "core/link/radio_link.h"

namespace rpx::cli {

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
