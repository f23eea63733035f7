#include <gtest/gtest.h>

#include <functional>

#include "sim/sim_options.h"

namespace rpx::sim {
namespace {

using Args = std::vector<std::string>;

TEST(SimOptions, EachOptionReachesTheSetup) {
    struct Case {
        Args args;
        std::function<bool(const SimOptions&)> holds;
    };
    const Case cases[] = {
        {{},
         [](const SimOptions& o) {
             return o.setup.memorySize == 2048 && o.setup.readable && o.imagePath.empty();
         }},
        {{"--image", "a.dat"}, [](const SimOptions& o) { return o.imagePath == "a.dat"; }},
        {{"--ident", "MDL1A!"}, [](const SimOptions& o) { return o.setup.modelCode == "MDL1A!"; }},
        {{"--memory", "1024"}, [](const SimOptions& o) { return o.setup.memorySize == 1024; }},
        {{"--unreadable"}, [](const SimOptions& o) { return !o.setup.readable; }},
        {{"--password", "0123456789"},
         [](const SimOptions& o) { return o.setup.dataPassword == "0123456789"; }},
        {{"--message", "ONE", ""},
         [](const SimOptions& o) {
             return o.setup.messageLines == std::array<std::string, 2>{"ONE", ""};
         }},
        {{"--refuse-extended"}, [](const SimOptions& o) { return o.setup.refuseExtended; }},
        {{"--info", "87654321-1234567"},
         [](const SimOptions& o) { return o.setup.infoText == "87654321-1234567"; }},
        {{"--fault", "garbage:2", "--fault", "nak-write"},
         [](const SimOptions& o) {
             return o.setup.faults ==
                    std::vector<RadioFault>{{FaultKind::Garbage, 2}, {FaultKind::NakWrite, 1}};
         }},
        {{"--pace", "--trace"}, [](const SimOptions& o) { return o.setup.pace && o.trace; }},
        {{"--save", "out.dat"}, [](const SimOptions& o) { return o.savePath == "out.dat"; }},
    };
    for (const Case& c : cases) {
        std::string error;
        const std::optional<SimOptions> options = ParseSimOptions(c.args, error);
        ASSERT_TRUE(options.has_value()) << error;
        EXPECT_TRUE(c.holds(*options)) << (c.args.empty() ? "no options" : c.args[0]);
    }
}

TEST(SimOptions, UsageErrorsAreExplained) {
    const Args cases[] = {
        {"--memory", "512"},
        {"--ident", "MDL1A"},
        {"--password", "12a4"},
        {"--password", ""},
        {"--password", "12345678901"},
        {"--message", "only one"},
        {"--info", std::string(17, '1')},
        {"--fault", "slow-reply:0"},
        {"--image"},
        {"--verbose"},
        {"image.dat"},
    };
    for (const Args& args : cases) {
        std::string error;
        EXPECT_FALSE(ParseSimOptions(args, error).has_value()) << args[0];
        EXPECT_FALSE(error.empty()) << args[0];
    }
}

} // namespace
} // namespace rpx::sim
