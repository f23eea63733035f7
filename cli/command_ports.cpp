#include "cli/commands.h"
#include "cli/radio_connection.h"
#include "transport/port_discovery.h"

namespace rpx::cli {

// The serial devices found, with the port number each answers to, and the virtual radio.
int RunPorts(const CliContext& context) {
    const auto ports = transport::InPortNumberOrder(transport::DetectPorts());
    for (std::size_t i = 0; i < ports.size(); ++i) {
        context.out << "COM" << i + 1 << "  " << ports[i].path;
        if (!ports[i].description.empty())
            context.out << "  " << ports[i].description;
        context.out << '\n';
    }
    context.out << transport::kVirtualPortShortName << "  " << sim::kVirtualRadioPort << '\n';
    return kExitOk;
}

} // namespace rpx::cli
