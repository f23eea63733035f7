#include "core/trunking/board_image.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace rpx {

namespace {

constexpr char kUnused = 'F';

struct Fill {
    std::size_t offset;
    std::string_view text;
};

// Every character a new data set fixes; the speed-dial memories (all 'F') come on top.
constexpr Fill kNewDataSet[] = {
    {0x00, "00E50000"}, {0x08, "0003"},     {0x0C, "0001"},     {0x10, "0000"},         {0x14, "0000"},
    {0x18, "00000000"}, {0x20, "00000000"}, {0x28, "00000000"}, {0x30, "0000"},         {0x34, "0000"},
    {0x38, "0000"},     {0x3C, "0000"},     {0x40, "0000"},     {0x44, "000000000000"}, {0x50, "0001"},
    {0x54, "0000"},     {0x58, "00000000"}, {0x60, "0000"},     {0xA4, "FF00"},         {0x188, "FFFF"},
};

std::string WithoutUnused(std::string text) {
    std::erase(text, kUnused);
    return text;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A wrong index would silently edit the neighbouring table.
std::size_t EntryOffset(std::size_t table, int length, int entries, int index) {
    if (index < 0 || index >= entries)
        throw std::out_of_range("board table entry " + std::to_string(index));
    return table + static_cast<std::size_t>(length * index);
}

} // namespace

BoardImage BoardImage::NewDataSet() {
    BoardImage board;
    board.Fill(Offset::kSpeedDial, Limit::kSpeedDialEntries * Limit::kSpeedDialLength, kUnused);
    for (const auto& fill : kNewDataSet)
        board.SetText(fill.offset, fill.text);
    for (int i = 0; i < Limit::kCodeListEntries; ++i)
        board.SetText(CodeListOffset(i), "000F");
    return board;
}

std::string BoardImage::Text(std::size_t offset, std::size_t count) const {
    const auto bytes = Bytes().subspan(offset, count);
    return std::string(bytes.begin(), bytes.end());
}

void BoardImage::SetText(std::size_t offset, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        SetByte(offset + i, static_cast<uint8_t>(text[i]));
}

bool BoardImage::FirstChoice(std::size_t offset) const {
    const std::string last = Text(offset + 2, 2);
    return last == "01" || last == "FF";
}

void BoardImage::SetFirstChoice(std::size_t offset, bool first) {
    SetText(offset, first ? "0001" : "0000");
}

std::string BoardImage::CodeDigits(std::size_t offset, int digits) const {
    std::string code;
    for (int i = 0; i < digits; ++i)
        code += static_cast<char>(Byte(offset + 2 * i + 1));
    return code;
}

void BoardImage::SetCodeDigits(std::size_t offset, std::string_view digits) {
    for (std::size_t i = 0; i < digits.size(); ++i) {
        SetByte(offset + 2 * i, '0');
        SetByte(offset + 2 * i + 1, static_cast<uint8_t>(digits[i]));
    }
}

int BoardImage::SystemTone() const {
    const char digit = static_cast<char>(Byte(Offset::kSystemTone + 3));
    return digit >= '0' && digit <= '0' + Limit::kSystemToneMax ? digit - '0' : 3;
}

void BoardImage::SetSystemTone(int tone) {
    SetText(Offset::kSystemTone, "000");
    SetByte(Offset::kSystemTone + 3, static_cast<uint8_t>('0' + std::clamp(tone, 0, Limit::kSystemToneMax)));
}

int BoardImage::SystemId() const {
    const int high = HexValue(static_cast<char>(Byte(Offset::kSystemId + 2)));
    const int low = HexValue(static_cast<char>(Byte(Offset::kSystemId + 3)));
    return high < 0 || low < 0 ? 0 : high * 16 + low;
}

void BoardImage::SetSystemId(int id) {
    char text[5];
    std::snprintf(text, sizeof text, "00%02X", std::clamp(id, 0, Limit::kSystemIdMax));
    SetText(Offset::kSystemId, text);
}

void BoardImage::SetAccessCode(std::string_view digits) {
    Fill(Offset::kAccessCode, Limit::kAccessCodeLength, '0');
    SetCodeDigits(Offset::kAccessCode + 2, digits.substr(0, Limit::kAccessCodeDigits));
}

std::string BoardImage::CodeListEntry(int index) const {
    return WithoutUnused(Text(CodeListOffset(index), Limit::kCodeListEntryLength));
}

void BoardImage::SetCodeListEntry(int index, std::string_view entry) {
    std::string stored =
        entry.empty() ? std::string("000F") : std::string(entry.substr(0, Limit::kCodeListEntryLength));
    stored.resize(Limit::kCodeListEntryLength, kUnused);
    SetText(CodeListOffset(index), stored);
}

std::string BoardImage::SpeedDial(int row) const {
    return WithoutUnused(Text(SpeedDialOffset(row), Limit::kSpeedDialLength));
}

void BoardImage::SetSpeedDial(int row, std::string_view text) {
    const std::string_view digits = text.substr(0, Limit::kSpeedDialLength);
    std::string stored(Limit::kSpeedDialLength - digits.size(), kUnused);
    stored += digits;
    SetText(SpeedDialOffset(row), stored);
}

std::size_t BoardImage::CodeListOffset(int index) {
    return EntryOffset(Offset::kCodeList, Limit::kCodeListEntryLength, Limit::kCodeListEntries, index);
}

std::size_t BoardImage::SpeedDialOffset(int row) {
    return EntryOffset(Offset::kSpeedDial, Limit::kSpeedDialLength, Limit::kSpeedDialEntries, row);
}

} // namespace rpx
