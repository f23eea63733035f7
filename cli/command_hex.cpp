#include <cstdio>

#include "cli/commands.h"

namespace rpx::cli {

int RunHex(const CliContext& context) {
    const auto& args = context.line.args;
    unsigned long offset = 0;
    if (args.size() > 1 && !ParseHex(args[1], RadioImage::kSize - 1, offset))
        return context.UsageError("OFFSET is a hexadecimal address from 0 to 7FF");
    unsigned long length = RadioImage::kSize - offset;
    if (args.size() > 2 && !ParseDecimal(args[2], RadioImage::kSize - offset, length))
        return context.UsageError("LENGTH is a decimal count that stays inside the 2048-byte image");
    if (!context.Open(args[0]))
        return kExitFailed;

    char text[8];
    for (std::size_t line = offset; line < offset + length; line += 16) {
        std::snprintf(text, sizeof text, "%04X:", static_cast<unsigned>(line));
        context.out << text;
        for (std::size_t a = line; a < std::min<std::size_t>(line + 16, offset + length); ++a) {
            std::snprintf(text, sizeof text, " %02X", context.session.image.Byte(a));
            context.out << text;
        }
        context.out << '\n';
    }
    return kExitOk;
}

} // namespace rpx::cli
