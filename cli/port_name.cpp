#include "cli/port_name.h"

#include <cctype>

#include "cli/command_line.h"

namespace rpx::cli {

std::optional<std::string> ResolvePortName(const std::string& name,
                                           const std::vector<transport::DetectedPort>& orderedPorts) {
    const auto upper = [&](std::size_t i) { return std::toupper(static_cast<unsigned char>(name[i])); };
    const bool comName = name.size() > 3 && upper(0) == 'C' && upper(1) == 'O' && upper(2) == 'M' &&
                         name.find_first_not_of("0123456789", 3) == std::string::npos;
    if (!comName)
        return name;
    unsigned long number = 0;
    if (name[3] == '0' || !ParseDecimal(name.substr(3), 255, number))
        return std::nullopt;
    return transport::PathOfPortNumber(orderedPorts, static_cast<uint8_t>(number));
}

} // namespace rpx::cli
