#include "core/link/link_clock.h"

#include <thread>

namespace rpx {

void SteadyLinkClock::Sleep(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

LinkClock& SteadyClock() {
    static SteadyLinkClock clock;
    return clock;
}

} // namespace rpx
