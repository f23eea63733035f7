#pragma once

#include <chrono>

namespace rpx {

// Where the link takes its time from: reply deadlines and the settling sleeps. Tests put in a
// clock that records the sleeps instead of waiting them out.
class LinkClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~LinkClock() = default;
    virtual TimePoint Now() const = 0;
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

// Wall time.
class SteadyLinkClock : public LinkClock {
public:
    TimePoint Now() const override { return std::chrono::steady_clock::now(); }
    void Sleep(std::chrono::milliseconds duration) override;
};

// The one wall clock every link uses unless it is given another.
LinkClock& SteadyClock();

} // namespace rpx
