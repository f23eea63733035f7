#include "tests/sim/radio_bench.h"

#include <gtest/gtest.h>

namespace rpx::sim::test {

Bytes Text(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

Bytes Join(std::initializer_list<Bytes> pieces) {
    Bytes joined;
    for (const Bytes& piece : pieces)
        joined.insert(joined.end(), piece.begin(), piece.end());
    return joined;
}

RadioImage PatternImage() {
    RadioImage image = NewRadioImage();
    for (std::size_t n = 0; n < RadioImage::kSize; ++n) {
        // The model identity stays, so the radio still names a known model.
        if (n < 0x340 || n >= 0x400)
            image.SetByte(n, static_cast<uint8_t>(n * 7 + 3));
    }
    return image;
}

Bytes MemoryBytes(const RadioImage& image, std::size_t address, std::size_t count) {
    const auto bytes = image.Bytes().subspan(address, count);
    return Bytes(bytes.begin(), bytes.end());
}

Bytes WriteRequest(std::size_t address, uint8_t fill) {
    Bytes request{'W', static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address), 0x10};
    request.resize(20, fill);
    return request;
}

RadioBench::RadioBench(RadioSetup setup) : m_radio(std::move(setup)), m_program(m_radio.Device()) {
    m_program.Open(std::string(kVirtualRadioPort));
}

Bytes RadioBench::Ask(const Bytes& request, std::size_t count, std::chrono::milliseconds timeout) {
    m_program.PurgeInput();
    Send(request);
    return Collect(count, timeout);
}

Bytes RadioBench::Collect(std::size_t count, std::chrono::milliseconds timeout) {
    Bytes reply(count);
    reply.resize(m_program.Read(reply, timeout));
    Bytes surplus(static_cast<std::size_t>(std::max(m_program.BytesWaiting(), 0)));
    surplus.resize(m_program.Read(surplus, 0ms));
    reply.insert(reply.end(), surplus.begin(), surplus.end());
    return reply;
}

void RadioBench::EnterProgramming() {
    EXPECT_EQ(Ask(Text("PROGRAM"), 1), Bytes{kAck});
}

} // namespace rpx::sim::test
