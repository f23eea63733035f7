#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace rpx {

// How one radio of a fleet write ended.
struct FleetResult {
    std::string device;
    std::string model; // the model code the radio identified itself with; empty if it never did
    bool ok = false;
    double seconds = 0;
};

// Runs work for every device at once, each on its own thread, and waits for all; work(i) serves
// devices[i] and gives its model and outcome. The results come in device order, each timed.
std::vector<FleetResult> RunFleet(const std::vector<std::string>& devices,
                                  const std::function<FleetResult(std::size_t)>& work);

// The closing table: a heading, then one line per device (device, model, result, seconds).
std::string FleetTable(const std::vector<FleetResult>& results);

} // namespace rpx
