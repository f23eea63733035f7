#include "core/trunking/access_code_dialog.h"

#include <algorithm>

namespace rpx {

namespace {

constexpr std::size_t kFirstCharacter = 3; // then every second position

} // namespace

AccessCodeField AccessCodeFieldOf(std::string_view typed) {
    AccessCodeField field{};
    if (typed.empty())
        return field;
    field.fill('0');
    for (std::size_t i = 0; i < std::min(typed.size(), kAccessCodeLength); ++i)
        field[kFirstCharacter + 2 * i] = static_cast<uint8_t>(typed[i]);
    return field;
}

std::array<uint8_t, kAccessCodeLength> AccessCodeCharacters(const AccessCodeField& field) {
    std::array<uint8_t, kAccessCodeLength> characters{};
    for (std::size_t i = 0; i < kAccessCodeLength; ++i)
        characters[i] = field[kFirstCharacter + 2 * i];
    return characters;
}

void AccessCodeDialog::Ok(std::string_view typed) {
    OnCodeLeft(typed);
    if (m_writeCommand && !m_accessCodeKnown && typed.size() == kAccessCodeLength)
        m_board.SetAccessCode(typed);
}

} // namespace rpx
