// rpx41c-sim: a simulated radio or trunking board on a pseudo-terminal, for trying the program
// without hardware.

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
#include "sim/simulated_board.h"
#include "sim/simulated_radio.h"

namespace {

constexpr int kUsageError = 2;

template <typename Image> bool Save(const std::string& path, const Image& image) {
    const rpx::Status saved = rpx::sim::SaveImageFile(path, image);
    if (!saved)
        std::cerr << "rpx41c-sim: cannot save " << path << ": " << saved.Message() << '\n';
    return saved.Ok();
}

// Serves device until SIGINT or SIGTERM (blocked by the caller), then saves the memory to savePath.
template <typename Simulated, typename Setup>
int Serve(rpx::sim::PtyDevice& device, Setup setup, const std::string& savePath, const sigset_t& endSignals) {
    Simulated simulated(device, std::move(setup));
    if (!savePath.empty())
        simulated.SetSessionHandler([&savePath](const auto& memory) { Save(savePath, memory); });
    std::thread serving([&simulated] { simulated.Run(); });
    int received = 0;
    sigwait(&endSignals, &received);
    simulated.Stop();
    serving.join();
    if (!savePath.empty() && !Save(savePath, simulated.Memory()))
        return 1;
    return 0;
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
    if (options->board) {
        BoardSetup& board = options->boardSetup;
        board.faults = options->setup.faults;
        board.pace = options->setup.pace;
        if (!options->imagePath.empty()) {
            const rpx::Result<rpx::BoardImage> image = LoadBoardImageFile(options->imagePath);
            if (!image) {
                std::cerr << "rpx41c-sim: " << image.Message() << '\n';
                return 1;
            }
            board.image = *image;
        }
        if (!options->accessCode.empty())
            board.image.SetAccessCode(options->accessCode);
    } else if (!options->imagePath.empty()) {
        const rpx::Result<rpx::RadioImage> image = LoadImageFile(options->imagePath);
        if (!image) {
            std::cerr << "rpx41c-sim: " << image.Message() << '\n';
            return 1;
        }
        options->setup.image = *image;
    }
    if (options->trace)
        options->setup.trace = options->boardSetup.trace = &std::cerr;

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

    if (options->board)
        return Serve<SimulatedBoard>(line, options->boardSetup, options->savePath, endSignals);
    return Serve<SimulatedRadio>(line, options->setup, options->savePath, endSignals);
}
