// Read and write against the simulated radio pacing every byte at the real line rate
// (9600 bit/s, 8N2: 11 bits a byte), compared with the floor the line and the protocol's own
// sleeps allow. A ratio near 1 means the program adds next to nothing to the wire time.
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>

#include "bench/unattended.h"
#include "core/app/notifier.h"
#include "core/link/radio_link.h"
#include "core/link/tracing_device.h"
#include "core/link/transfer_commands.h"
#include "core/radio/image_defaults.h"
#include "core/text/language_table.h"
#include "sim/virtual_radio.h"

namespace {

using namespace rpx;

using bench::AnswerOk;
using bench::NoWindows;

// Bytes that crossed the line in either direction, from the trace.
std::size_t BytesOnTheWire(const std::string& trace) {
    std::size_t count = 0;
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t mark = line.find_first_of("<>x", 9);
        if (mark == std::string::npos || line.compare(9, 5, "open ") == 0)
            continue;
        std::istringstream hex(line.substr(mark + 1));
        for (std::string b; hex >> b;)
            ++count;
    }
    return count;
}

void Measure(bool write, std::size_t memory) {
    sim::RadioSetup setup;
    setup.memorySize = memory;
    setup.pace = true;
    sim::VirtualRadio radio(setup);
    std::ostringstream trace;
    TracingDevice tracing(radio.Device(), trace);
    SerialPort port(tracing, [](uint8_t) { return std::string("virtual"); });
    Session session;
    MakeFirstImage(session.image, "", false);
    AnswerOk messenger;
    LanguageTable texts;
    Notifier notifier(messenger, texts);
    NoWindows ui;
    const LinkTiming timing;
    RadioLink link(port, session, notifier, ui, timing);
    TransferCommands commands(link, session, notifier);

    const auto start = std::chrono::steady_clock::now();
    const bool done = write ? commands.OnProgramWrite() : commands.OnProgramRead();
    const double measured = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const double wire = static_cast<double>(BytesOnTheWire(trace.str())) * 11.0 / 9600.0;
    // Prescribed sleeps: after opening the port, and before closing after a read or before the
    // last "E" of a write to a 1024-byte radio.
    const double sleeps =
        std::chrono::duration<double>(timing.openSettle).count() +
        ((!write || memory == 1024) ? std::chrono::duration<double>(timing.closeSettle).count() : 0);
    const double floor = wire + sleeps;
    std::printf("%-6s %5zu  %s  measured %.3f s  floor %.3f s (wire %.3f s + sleeps %.3f s)  ratio %.3f\n",
                write ? "write" : "read", memory, done ? "ok    " : "FAILED", measured, floor, wire, sleeps,
                measured / floor);
}

} // namespace

int main() {
    for (const bool write : {false, true})
        for (const std::size_t memory : {std::size_t{1024}, std::size_t{2048}})
            Measure(write, memory);
    return 0;
}
