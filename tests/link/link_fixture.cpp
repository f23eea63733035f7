#include "tests/link/link_fixture.h"

#include <algorithm>
#include <cstdio>

namespace rpx::test {

namespace {

std::string Hex(const sim::Bytes& bytes) {
    std::string text;
    char hex[4];
    for (uint8_t b : bytes) {
        std::snprintf(hex, sizeof hex, " %02X", b);
        text += hex;
    }
    return text;
}

} // namespace

std::string FirstDifference(const std::vector<sim::Bytes>& actual, const std::vector<sim::Bytes>& expected) {
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const std::string a = i < actual.size() ? Hex(actual[i]) : " (none)";
        const std::string e = i < expected.size() ? Hex(expected[i]) : " (none)";
        if (a != e)
            return "request " + std::to_string(i) + ":" + a + "\n expected:" + e;
    }
    return {};
}

sim::Bytes LinkFixture::SentBytes() const {
    sim::Bytes sent;
    std::istringstream lines(m_trace.str());
    for (std::string line; std::getline(lines, line);) {
        const std::size_t mark = line.find(" > ");
        if (mark == std::string::npos)
            continue;
        std::istringstream hex(line.substr(mark + 3));
        for (unsigned value; hex >> std::hex >> value;)
            sent.push_back(static_cast<uint8_t>(value));
    }
    return sent;
}

RadioImage PatternImage(const std::string& modelCode) {
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i)
        image.SetByte(i, static_cast<uint8_t>((i * 31 + i / 256) & 0xFF));
    for (std::size_t i = 0; i < modelCode.size(); ++i)
        image.SetByte(RadioImage::kModelString + i, static_cast<uint8_t>(modelCode[i]));
    image.SetByte(RadioImage::kModelOptions, 0xFF);
    image.SetByte(0x0D0, 0xFF); // no data password
    image.SetByte(0x0DA, 1);
    image.SetByte(0x258, 0);
    return image;
}

} // namespace rpx::test
