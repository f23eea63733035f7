#include "cli/commands.h"
#include "core/radio/memory_cell.h"

namespace rpx::cli {

// Each BYTE is what a user types into a memory map cell: one or two hexadecimal digits.
int RunPoke(const CliContext& context) {
    const auto& args = context.line.args;
    unsigned long offset = 0;
    if (!ParseHex(args[1], RadioImage::kSize - 1, offset))
        return context.UsageError("OFFSET is a hexadecimal address from 0 to 7FF");
    std::vector<uint8_t> values;
    for (std::size_t i = 2; i < args.size(); ++i) {
        uint8_t value = 0;
        if (args[i].empty() || args[i].size() > kMemoryCellLength || !ParseMemoryCell(CommitMemoryCell(args[i]), value))
            return context.UsageError("BYTE is one or two hexadecimal digits, not " + args[i]);
        values.push_back(value);
    }
    if (offset + values.size() > RadioImage::kSize)
        return context.UsageError("the bytes run past the end of the 2048-byte image");
    if (!context.Open(args[0]))
        return kExitFailed;
    for (std::size_t i = 0; i < values.size(); ++i)
        context.session.image.SetByte(offset + i, values[i]);
    return context.SaveTo(args[0]);
}

} // namespace rpx::cli
