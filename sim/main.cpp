// rpx41c-sim: a simulated radio on a pseudo-terminal, for trying the program without hardware.

#include <pthread.h>
#include <signal.h>

#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "sim/image_file.h"
#include "sim/pty_device.h"
#include "sim/sim_options.h"
#include "sim/simulated_radio.h"

namespace {

constexpr int kUsageError = 2;

bool Save(const std::string& path, const rpx::RadioImage& image) {
    const rpx::Status saved = rpx::sim::SaveImageFile(path, image);
    if (!saved)
        std::cerr << "rpx41c-sim: cannot save " << path << ": " << saved.Message() << '\n';
    return saved.Ok();
}

} // namespace

int main(int argc, char** argv) {
    using namespace rpx::sim;
    std::string error;
    std::optional<SimOptions> options = ParseSimOptions({argv + 1, argv + argc}, error);
    if (!options) {
        std::cerr << "rpx41c-sim: " << error << '\n' << SimUsage();
        return kUsageError;
    }
    if (options->help) {
        std::cout << SimUsage();
        return 0;
    }
    if (!options->imagePath.empty()) {
        const rpx::Result<rpx::RadioImage> image = LoadImageFile(options->imagePath);
        if (!image) {
            std::cerr << "rpx41c-sim: " << image.Message() << '\n';
            return 1;
        }
        options->setup.image = *image;
    }
    if (options->trace)
        options->setup.trace = &std::cerr;

    // Blocked before any thread starts, so only sigwait below ever sees them and the radio's
    // thread is stopped in order.
    sigset_t endSignals;
    sigemptyset(&endSignals);
    sigaddset(&endSignals, SIGINT);
    sigaddset(&endSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);

    PtyDevice line;
    if (!line.Open(PtyDevice::kMultiplexer)) {
        std::cerr << "rpx41c-sim: " << line.ErrorText() << '\n';
        return 1;
    }
    std::cout << "PTY " << line.SlavePath() << std::endl;

    SimulatedRadio radio(line, options->setup);
    const std::string& savePath = options->savePath;
    if (!savePath.empty())
        radio.SetSessionHandler([&savePath](const rpx::RadioImage& memory) { Save(savePath, memory); });
    std::thread serving([&radio] { radio.Run(); });
    int received = 0;
    sigwait(&endSignals, &received);
    radio.Stop();
    serving.join();
    if (!savePath.empty() && !Save(savePath, radio.Memory()))
        return 1;
    return 0;
}
