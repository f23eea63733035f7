// One data file written to four simulated radios at once, each paced at the real line rate,
// against the same write to one radio. A ratio near 1 means the fleet takes the time of one radio.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/unattended.h"
#include "core/app/notifier.h"
#include "core/exchange/fleet.h"
#include "core/link/radio_link.h"
#include "core/link/transfer_commands.h"
#include "core/radio/image_defaults.h"
#include "core/text/language_table.h"
#include "sim/virtual_radio.h"

namespace {

using namespace rpx;

using bench::AnswerOk;
using bench::NoWindows;

// Writes the same new image to `radios` paced radios at once; the results of each.
std::vector<FleetResult> WriteFleet(std::size_t radios) {
    std::vector<std::unique_ptr<sim::VirtualRadio>> fleet;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < radios; ++i) {
        sim::RadioSetup setup;
        setup.pace = true;
        fleet.push_back(std::make_unique<sim::VirtualRadio>(setup));
        names.push_back("virtual " + std::to_string(i + 1));
    }
    const LanguageTable texts;
    return RunFleet(names, [&](std::size_t i) {
        SerialPort port(fleet[i]->Device(), [](uint8_t) { return std::string("virtual"); });
        Session session;
        MakeFirstImage(session.image, "", false);
        AnswerOk messenger;
        Notifier notifier(messenger, texts);
        NoWindows ui;
        RadioLink link(port, session, notifier, ui);
        const bool ok = TransferCommands(link, session, notifier).OnProgramWrite();
        return FleetResult{"", link.LastIdentification().ModelCode(), ok, 0};
    });
}

double Longest(const std::vector<FleetResult>& results) {
    double longest = 0;
    for (const FleetResult& r : results)
        longest = std::max(longest, r.ok ? r.seconds : 1e9);
    return longest;
}

} // namespace

int main() {
    const double one = Longest(WriteFleet(1));
    const std::vector<FleetResult> four = WriteFleet(4);
    std::printf("%s", FleetTable(four).c_str());
    std::printf("one radio %.3f s, four at once %.3f s, ratio %.3f\n", one, Longest(four),
                Longest(four) / one);
    return 0;
}
