#include "sim/sim_options.h"

#include <algorithm>
#include <cctype>
#include <functional>

namespace rpx::sim {

namespace {

using Values = std::vector<std::string>;

struct Option {
    std::string name;
    std::string arguments; // as the usage text shows them
    std::size_t valueCount;
    std::string description;
    // Applies the option's values; false with error set when they are not acceptable.
    std::function<bool(SimOptions&, const Values&, std::string&)> apply;
};

bool Reject(std::string& error, const std::string& text) {
    error = text;
    return false;
}

bool AllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

const std::vector<Option>& Options() {
    static const std::vector<Option> options = {
        {"--board", "", 0, "a trunking board instead of a radio (--image and --save then name board files)",
         [](SimOptions& o, const Values&, std::string&) {
             o.board = true;
             return true;
         }},
        {"--access", "DIGITS5", 1, "the board's access code (default: its data's, 00000 for a new data set)",
         [](SimOptions& o, const Values& v, std::string& error) {
             if (v[0].size() != 5 || !AllDigits(v[0]))
                 return Reject(error, "--access is 5 digits");
             o.accessCode = v[0];
             return true;
         }},
        {"--image", "FILE", 1,
         "the data file or raw 2048-byte image the radio holds (default: a demonstration image)",
         [](SimOptions& o, const Values& v, std::string&) {
             o.imagePath = v[0];
             return true;
         }},
        {"--blank", "", 0, "the radio holds a new image without channels instead of the demonstration image",
         [](SimOptions& o, const Values&, std::string&) {
             o.setup.image = NewRadioImage();
             return true;
         }},
        {"--ident", "TEXT6", 1, "the model code the radio identifies itself with (default: its memory's)",
         [](SimOptions& o, const Values& v, std::string& error) {
             if (v[0].size() != 6)
                 return Reject(error, "--ident needs exactly 6 characters");
             o.setup.modelCode = v[0];
             return true;
         }},
        {"--memory", "1024|2048", 1, "the radio's memory size (default 2048)",
         [](SimOptions& o, const Values& v, std::string& error) {
             if (v[0] != "1024" && v[0] != "2048")
                 return Reject(error, "--memory is 1024 or 2048");
             o.setup.memorySize = v[0] == "1024" ? 1024 : 2048;
             return true;
         }},
        {"--unreadable", "", 0, "the radio's data may not be read",
         [](SimOptions& o, const Values&, std::string&) {
             o.setup.readable = false;
             return true;
         }},
        {"--password", "DIGITS", 1, "a data password, written into the radio's memory",
         [](SimOptions& o, const Values& v, std::string& error) {
             if (v[0].empty() || v[0].size() > 10 || !AllDigits(v[0]))
                 return Reject(error, "--password is 1 to 10 digits");
             o.setup.dataPassword = v[0];
             return true;
         }},
        {"--message", "LINE1 LINE2", 2, "the embedded message, written into the radio's memory",
         [](SimOptions& o, const Values& v, std::string& error) {
             if (v[0].size() > 32 || v[1].size() > 32)
                 return Reject(error, "--message lines hold at most 32 characters");
             o.setup.messageLines = {v[0], v[1]};
             return true;
         }},
        {"--refuse-extended", "", 0, "the radio refuses extended-variant data",
         [](SimOptions& o, const Values&, std::string&) {
             o.setup.refuseExtended = true;
             return true;
         }},
        {"--info", "TEXT", 1, "the text of the radio information (up to 16 characters)",
         [](SimOptions& o, const Values& v, std::string& error) {
             if (v[0].size() > 16)
                 return Reject(error, "--info holds at most 16 characters");
             o.setup.infoText = v[0];
             return true;
         }},
        {"--fault", "KIND[:N]", 1, "misbehave at the N-th occurrence (default 1); repeatable",
         [](SimOptions& o, const Values& v, std::string& error) {
             const std::optional<RadioFault> fault = ParseRadioFault(v[0]);
             if (!fault)
                 return Reject(error, "unknown fault " + v[0]);
             o.setup.faults.push_back(*fault);
             return true;
         }},
        {"--pace", "", 0, "bytes cross the line at 9600 bit/s 8N2",
         [](SimOptions& o, const Values&, std::string&) {
             o.setup.pace = true;
             return true;
         }},
        {"--save", "FILE", 1,
         "writes the memory as a data file after each session that wrote blocks, and on exit",
         [](SimOptions& o, const Values& v, std::string&) {
             o.savePath = v[0];
             return true;
         }},
        {"--trace", "", 0, "a hex log of the line on standard error",
         [](SimOptions& o, const Values&, std::string&) {
             o.trace = true;
             return true;
         }},
        {"--help", "", 0, "this text",
         [](SimOptions& o, const Values&, std::string&) {
             o.help = true;
             return true;
         }},
    };
    return options;
}

} // namespace

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error) {
    SimOptions options;
    for (std::size_t i = 0; i < args.size();) {
        const auto option = std::find_if(Options().begin(), Options().end(),
                                         [&](const Option& o) { return o.name == args[i]; });
        if (option == Options().end()) {
            error = "unknown option " + args[i];
            return std::nullopt;
        }
        if (args.size() - i - 1 < option->valueCount) {
            error = option->name + " needs " + option->arguments;
            return std::nullopt;
        }
        const Values values(args.begin() + static_cast<std::ptrdiff_t>(i + 1),
                            args.begin() + static_cast<std::ptrdiff_t>(i + 1 + option->valueCount));
        if (!option->apply(options, values, error))
            return std::nullopt;
        i += 1 + option->valueCount;
    }
    return options;
}

std::string SimUsage() {
    std::string usage =
        "usage: rpx41c-sim [OPTION]...\n"
        "Serves a simulated radio (or trunking board) on a new pseudo-terminal and prints \"PTY <path>\"\n"
        "first.\n";
    for (const Option& option : Options())
        usage += "  " + option.name + (option.arguments.empty() ? "" : " " + option.arguments) + "\n      " +
                 option.description + "\n";
    usage += "fault kinds:";
    for (const std::string& name : FaultKindNames())
        usage += " " + name;
    return usage + "\n";
}

} // namespace rpx::sim
