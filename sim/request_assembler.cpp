#include "sim/request_assembler.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "sim/tuning_codes.h"

namespace rpx::sim {

namespace {

enum class Match { Exact, Any, TuningCode };

struct Element {
    Match match;
    uint8_t value;
};

struct Shape {
    RequestKind kind;
    std::vector<Element> elements;
};

Element Is(uint8_t value) {
    return {Match::Exact, value};
}
constexpr Element kAny{Match::Any, 0};
constexpr Element kCode{Match::TuningCode, 0};

Shape Text(RequestKind kind, std::string_view text) {
    Shape shape{kind, {}};
    for (char c : text)
        shape.elements.push_back(Is(static_cast<uint8_t>(c)));
    return shape;
}

Shape WriteBlockShape() {
    Shape shape{RequestKind::WriteBlock, {Is('W'), kAny, kAny, Is(0x10)}};
    shape.elements.insert(shape.elements.end(), 16, kAny);
    return shape;
}

bool Accepts(uint8_t byte, const Element& element) {
    switch (element.match) {
    case Match::Exact:
        return byte == element.value;
    case Match::TuningCode:
        return IsTuningCode(byte);
    case Match::Any:
        break;
    }
    return true;
}

// Every mode listens for the two requests that start a session, so a program that retries after a
// lost acknowledgement finds the radio again.
std::vector<Shape> WithSessionStarts(std::vector<Shape> shapes) {
    shapes.push_back(Text(RequestKind::EnterProgramming, "PROGRAM"));
    shapes.push_back(Text(RequestKind::EnterTesting, "TUNING "));
    return shapes;
}

const std::vector<Shape>& ShapesOf(RadioMode mode) {
    static const std::vector<Shape> idle = WithSessionStarts({});
    static const std::vector<Shape> programming = WithSessionStarts({
        {RequestKind::Acknowledge, {Is(0x06)}},
        {RequestKind::Identify, {Is(0x02)}},
        {RequestKind::MemorySize, {Is(0x50)}},
        {RequestKind::ReadBlock, {Is('R'), kAny, kAny, kAny}},
        WriteBlockShape(),
        Text(RequestKind::RadioInfo, "NRK"),
        {RequestKind::Leave, {Is('E')}},
    });
    static const std::vector<Shape> testing = WithSessionStarts({
        {RequestKind::Acknowledge, {Is(0x06)}},
        {RequestKind::Identify, {Is(0x02)}},
        {RequestKind::Adjustments, {Is(0x05)}},
        {RequestKind::TestChannel, {Is(0x10), kAny}},
        {RequestKind::Signalling, {Is(0x11), kAny}},
        {RequestKind::TransmitOn, {Is(0x08), Is(0x0D)}},
        {RequestKind::TransmitOff, {Is(0x08), Is(0x0E)}},
        {RequestKind::Wide, {Is('F')}},
        {RequestKind::Narrow, {Is('G')}},
        {RequestKind::VolumeUp, {Is(0x7D), Is(0x0A)}},
        {RequestKind::VolumeDown, {Is(0x7D), Is(0x0B)}},
        {RequestKind::TuningStart, {kCode, Is(0x0D)}},
        {RequestKind::TuningValue, {kCode, Is(0x20), kAny}},
        {RequestKind::TuningStop, {kCode, Is(0x0E)}},
        {RequestKind::Leave, {Is('E')}},
    });
    switch (mode) {
    case RadioMode::Programming:
        return programming;
    case RadioMode::Testing:
        return testing;
    case RadioMode::Idle:
        break;
    }
    return idle;
}

struct Fit {
    std::optional<RequestKind> complete; // the bytes are this request
    bool partial = false;                // the bytes begin a longer request
};

Fit Classify(RadioMode mode, std::span<const uint8_t> bytes) {
    Fit fit;
    for (const Shape& shape : ShapesOf(mode)) {
        if (bytes.size() > shape.elements.size() ||
            !std::equal(bytes.begin(), bytes.end(), shape.elements.begin(), Accepts))
            continue;
        if (bytes.size() == shape.elements.size())
            fit.complete = shape.kind;
        else
            fit.partial = true;
    }
    return fit;
}

} // namespace

std::optional<Assembled> RequestAssembler::Next(RadioMode mode) {
    if (m_buffer.empty())
        return std::nullopt;
    const Fit whole = Classify(mode, m_buffer);
    if (whole.partial)
        return std::nullopt;
    if (whole.complete)
        return Take(m_buffer.size(), whole.complete);
    // The latest byte cannot continue: a complete request before it still counts.
    for (std::size_t count = m_buffer.size() - 1; count > 0; --count) {
        const Fit prefix = Classify(mode, std::span(m_buffer).first(count));
        if (prefix.complete)
            return Take(count, prefix.complete);
    }
    return Take(1, std::nullopt);
}

std::optional<Assembled> RequestAssembler::Flush(RadioMode mode) {
    if (m_buffer.empty())
        return std::nullopt;
    return Take(m_buffer.size(), Classify(mode, m_buffer).complete);
}

Assembled RequestAssembler::Take(std::size_t count, std::optional<RequestKind> kind) {
    Assembled assembled{kind, {m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(count)}};
    m_buffer.erase(m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(count));
    return assembled;
}

} // namespace rpx::sim
