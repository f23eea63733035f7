#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/radio/fixed_image.h"

namespace rpx {

// The trunking board's settings memory: 396 ASCII characters, two hexadecimal characters for each
// byte the board holds. A decimal digit d of a code is the character pair '0' d; 'F' marks a digit
// position not in use. Characters the program does not edit are kept as the board sent them.
class BoardImage : public FixedImage<396> {
public:
    struct Offset {
        static constexpr std::size_t kHeader = 0x00;
        static constexpr std::size_t kSystemTone = 0x08;
        static constexpr std::size_t kBusyChannelDetect = 0x0C;
        static constexpr std::size_t kAutomaticPtt = 0x14;
        static constexpr std::size_t kPrimaryCode = 0x18;
        static constexpr std::size_t kSecondaryCode = 0x20;
        static constexpr std::size_t kLowerBlock = 0x28;
        static constexpr std::size_t kSystemId = 0x30;
        static constexpr std::size_t kPrioritySubscriber = 0x34;
        static constexpr std::size_t kEmergencyOverride = 0x38;
        static constexpr std::size_t kClearChannelAlerting = 0x3C;
        static constexpr std::size_t kRadioKill = 0x40;
        static constexpr std::size_t kAccessCode = 0x44;
        static constexpr std::size_t kSpeedDialProgramming = 0x50;
        static constexpr std::size_t kUpperBlock = 0x58;
        static constexpr std::size_t kCodeList = 0x64;
        static constexpr std::size_t kSpeedDial = 0xA8;
    };
    struct Limit {
        static constexpr int kCodeDigits = 4;       // codes and block decode limits
        static constexpr int kAccessCodeDigits = 5; // the board's access code
        static constexpr int kAccessCodeLength = 12;
        static constexpr int kSystemToneMax = 6;
        static constexpr int kSystemIdMax = 31;
        static constexpr int kCodeListEntries = 16;
        static constexpr int kCodeListEntryLength = 4;
        static constexpr int kSpeedDialEntries = 14;
        static constexpr int kSpeedDialLength = 16;
    };

    // The board settings of a new data set. The block decode limits and the access code have no
    // board default: they start as '0' characters (blocks 0000, access code 00000), so that every
    // character is one the board can take.
    static BoardImage NewDataSet();

    // count characters from offset, as they stand.
    std::string Text(std::size_t offset, std::size_t count) const;
    // Writes text's characters from offset on.
    void SetText(std::size_t offset, std::string_view text);

    // A four-character choice field: "01" or "FF" in its last two characters selects the first
    // choice, anything else the second. Setting stores "0001" or "0000".
    bool FirstChoice(std::size_t offset) const;
    void SetFirstChoice(std::size_t offset, bool first);

    // The digit characters of a code held at the odd offsets of 2·digits characters (Primary and
    // Secondary Code, the block decode limits, the access code), as they stand.
    std::string CodeDigits(std::size_t offset, int digits) const;
    // Stores digits (digit characters only) as '0' followed by each digit.
    void SetCodeDigits(std::size_t offset, std::string_view digits);

    // "000" and a digit: the digit, or 3 when it is not one of 0..6.
    int SystemTone() const;
    void SetSystemTone(int tone); // clamped to 0..6
    // "00" and two upper-case hexadecimal digits; 0 when they are not hexadecimal.
    int SystemId() const;
    void SetSystemId(int id); // clamped to 0..31

    // The board's access code: five digit characters in twelve, '0' elsewhere.
    std::string AccessCode() const { return CodeDigits(Offset::kAccessCode + 2, Limit::kAccessCodeDigits); }
    void SetAccessCode(std::string_view digits);

    // Code list entry index (0..15) and speed-dial memory row (0..13) without their 'F'
    // positions, and stored from typed characters (see the setters).
    std::string CodeListEntry(int index) const;
    // A four-character entry is stored as typed, an empty one as "000F"; a shorter one is followed
    // by 'F' (positions not in use), so that "000" is the new data set's "000F".
    void SetCodeListEntry(int index, std::string_view entry);
    std::string SpeedDial(int row) const;
    // The entry becomes 'F' with text's characters (the first 16) right-aligned in it.
    void SetSpeedDial(int row, std::string_view text);

    static std::size_t CodeListOffset(int index);
    static std::size_t SpeedDialOffset(int row);
};

} // namespace rpx
