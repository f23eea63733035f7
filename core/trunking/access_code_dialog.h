#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/text_id.h"
#include "core/trunking/board_image.h"

namespace rpx {

// The access code as the board holds it in its data: twelve characters, '0' everywhere but at
// positions 3, 5, 7, 9 and 11, which hold the five code characters in order. All zero bytes when no
// code was typed.
using AccessCodeField = std::array<uint8_t, 12>;

inline constexpr std::size_t kAccessCodeLength = BoardImage::Limit::kAccessCodeDigits;

// The field for typed: '0' with the typed characters (at most five) at their positions; all zero
// bytes for an empty text.
AccessCodeField AccessCodeFieldOf(std::string_view typed);
// The five characters a field carries, as the board is sent them.
std::array<uint8_t, kAccessCodeLength> AccessCodeCharacters(const AccessCodeField& field);

// The access code dialog a board command shows before it asks the board for access: a hidden
// field of at most five characters whose OK needs exactly five. It builds the code the command
// sends, and during a write it may hand the board its first code with the data.
class AccessCodeDialog {
public:
    static constexpr TextId kTitle = 3019129;
    static constexpr TextId kLabel = 3019137;

    // accessCodeKnown: a code was set in the SmarTrunk settings, and is offered here.
    AccessCodeDialog(BoardImage& board, bool accessCodeKnown, bool writeCommand)
        : m_board(board), m_accessCodeKnown(accessCodeKnown), m_writeCommand(writeCommand) {}

    // What the field holds when the dialog opens (all selected): the known code, else nothing.
    std::string InitialText() const { return m_accessCodeKnown ? m_board.AccessCode() : std::string(); }
    static bool OkEnabled(std::string_view typed) { return typed.size() == kAccessCodeLength; }
    // The field lost the focus: the code to send becomes what it holds.
    void OnCodeLeft(std::string_view typed) { m_code = AccessCodeFieldOf(typed); }
    // OK with typed (the field is left first). A write without a known code gives the board this
    // code with its data.
    void Ok(std::string_view typed);

    const AccessCodeField& Code() const { return m_code; }

private:
    BoardImage& m_board;
    bool m_accessCodeKnown;
    bool m_writeCommand;
    AccessCodeField m_code{};
};

} // namespace rpx
