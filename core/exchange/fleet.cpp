#include "core/exchange/fleet.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

namespace rpx {

std::vector<FleetResult> RunFleet(const std::vector<std::string>& devices,
                                  const std::function<FleetResult(std::size_t)>& work) {
    std::vector<FleetResult> results(devices.size());
    {
        std::vector<std::jthread> threads;
        for (std::size_t i = 0; i < devices.size(); ++i)
            threads.emplace_back([&, i] {
                const auto start = std::chrono::steady_clock::now();
                FleetResult result = work(i);
                result.device = devices[i];
                result.seconds =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                results[i] = std::move(result);
            });
    }
    return results;
}

std::string FleetTable(const std::vector<FleetResult>& results) {
    std::size_t width = 6;
    for (const FleetResult& r : results)
        width = std::max(width, r.device.size());
    const auto line = [&](const std::string& device, const std::string& model, const std::string& result,
                          const std::string& seconds) {
        char text[256];
        std::snprintf(text, sizeof text, "%-*s  %-6s  %-6s  %7s\n", static_cast<int>(width), device.c_str(),
                      model.c_str(), result.c_str(), seconds.c_str());
        return std::string(text);
    };
    std::string table = line("device", "model", "result", "seconds");
    for (const FleetResult& r : results) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.1f", r.seconds);
        table += line(r.device, r.model.empty() ? "-" : r.model, r.ok ? "ok" : "FAILED", seconds);
    }
    return table;
}

} // namespace rpx
