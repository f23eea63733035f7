#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/demo_image.h"
#include "sim/simulated_board.h"

namespace rpx::sim {

// What the command line of rpx41c-sim asks for.
struct SimOptions {
    RadioSetup setup = DemoRadioSetup(); // its image is loaded from imagePath by the caller
    bool board = false;                  // a trunking board instead of a radio
    BoardSetup boardSetup;               // faults, pace and trace are taken from setup
    std::string accessCode;              // empty: the board image's own
    std::string imagePath;               // empty: the image setup holds
    std::string savePath;                // empty: nothing is saved
    bool trace = false;                  // hex log of the line to standard error
    bool help = false;
};

// The options in args (program name excluded); nothing, with error set, for a usage error.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);
// The usage text, one option a line.
std::string SimUsage();

} // namespace rpx::sim
