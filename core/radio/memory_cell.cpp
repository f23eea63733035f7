#include "core/radio/memory_cell.h"

#include <cctype>

namespace rpx {

std::string CommitMemoryCell(std::string_view typed) {
    std::string cell(typed.substr(0, kMemoryCellLength));
    for (char& c : cell)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (cell.empty())
        return "FF";
    return cell.size() == 1 ? "0" + cell : cell;
}

bool ParseMemoryCell(std::string_view cell, uint8_t& value) {
    unsigned result = 0;
    for (char c : cell) {
        const int upper = std::toupper(static_cast<unsigned char>(c));
        if (upper >= '0' && upper <= '9')
            result = result * 16 + static_cast<unsigned>(upper - '0');
        else if (upper >= 'A' && upper <= 'F')
            result = result * 16 + static_cast<unsigned>(upper - 'A' + 10);
        else
            return false;
    }
    value = static_cast<uint8_t>(result);
    return true;
}

} // namespace rpx
