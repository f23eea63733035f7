#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace rpx::sim::test {

// rpx41c-sim running with the given arguments; killed when the test ends without stopping it.
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> args);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The first line of standard output, without its line end; empty when none came in time.
    std::string FirstLine(std::chrono::milliseconds timeout);
    // Sends SIGTERM and returns the exit status (-1 when it did not exit normally).
    int Terminate();

private:
    pid_t m_pid = -1;
    int m_output = -1;
};

} // namespace rpx::sim::test
