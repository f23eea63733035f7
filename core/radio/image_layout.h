#pragma once

#include <cstddef>

// Offsets of the image regions that more than one part of the program refers to.
namespace rpx::layout {

inline constexpr std::size_t kChannelCount = 8;
inline constexpr std::size_t kRecordSize = 16;
// Channel n (1..8) starts at 0x010 + 16 n; position 0 (0x010) is a record never written to the radio.
constexpr std::size_t ChannelRecordOffset(std::size_t channel) { return 0x010 + kRecordSize * channel; }

inline constexpr std::size_t kDataChannel = 0x0AB;      // Data Channel of the optional features, 0 = none
inline constexpr std::size_t kTrunkingGroups = 0x0DA;   // number of trunking groups, 1..4
inline constexpr std::size_t kDtmfSettings = 0x1D0;     // 10 bytes; all 0xFF is not accepted by a radio
inline constexpr std::size_t kEmergencyChannel = 0x200; // channel used by the emergency settings, 0 = none
inline constexpr std::size_t kProgrammableKey1 = 0x244;
inline constexpr std::size_t kProgrammableKey2 = 0x245;
inline constexpr std::size_t kDataChannelList = 0x250; // eight entries, 0x250..0x257
inline constexpr std::size_t kDataChannelListLength = 8;
inline constexpr std::size_t kPortMode = 0x258;        // 3 = trunking mode
inline constexpr unsigned kTrunkingPortMode = 3;
inline constexpr std::size_t kPortOption = 0x259;
inline constexpr std::size_t kTestFrequencies = 0x280; // 16 pairs of (receive, transmit), 4 bytes each
inline constexpr std::size_t kTestFrequencyPairs = 16;
inline constexpr std::size_t kTestFrequencyTableSize = 0x80;
inline constexpr std::size_t kEmbeddedMessage = 0x300; // two lines of 32 characters
inline constexpr std::size_t kMessageLineLength = 32;
inline constexpr std::size_t kUpperMemory = 0x400;     // trunking-group channels, 2048-byte radios only
inline constexpr std::size_t kUpperRecords = 64;

} // namespace rpx::layout
