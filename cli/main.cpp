// rpx41c-cli: the program's data-file commands without a window.
#include <iostream>
#include <vector>

#include "cli/cli_messenger.h"
#include "cli/commands.h"
#include "core/app/program_paths.h"
#include "core/text/startup_texts.h"

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: rpx41c-cli COMMAND ARGS... [--yes] [--extended]\n"
           "  --yes       answer OK or Yes to every question (otherwise Cancel or No)\n"
           "  --extended  run in extended mode\n\ncommands:\n";
    for (const rpx::cli::Command& c : rpx::cli::Commands())
        out << "  " << c.name << ' ' << c.usage << "\n      " << c.summary << '\n';
}

} // namespace

int main(int argc, char** argv) {
    using namespace rpx;
    using namespace rpx::cli;
    const std::vector<std::string> words(argv + 1, argv + argc);

    CommandLine probe;
    std::string error;
    std::set<std::string> allValueOptions;
    for (const Command& c : Commands())
        allValueOptions.insert(c.valueOptions.begin(), c.valueOptions.end());
    if (!ParseCommandLine(words, kCommonFlags, allValueOptions, probe, error) || probe.command.empty()) {
        std::cerr << (error.empty() ? "no command given" : error) << '\n';
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    const Command* command = FindCommand(probe.command);
    if (command == nullptr) {
        std::cerr << "unknown command " << probe.command << '\n';
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    CommandLine line;
    if (!ParseCommandLine(words, kCommonFlags, command->valueOptions, line, error) ||
        line.args.size() < command->minArgs || line.args.size() > command->maxArgs) {
        std::cerr << (error.empty() ? "wrong number of arguments" : error) << "\nusage: rpx41c-cli " << command->name
                  << ' ' << command->usage << '\n';
        return kExitUsage;
    }

    CliMessenger messenger(std::cerr, line.Has("yes"));
    LanguageTable texts;
    if (!LoadTexts(texts, messenger, LanguageDirectories(ProgramDirectory())))
        return kExitFailed;
    Notifier notifier(messenger, texts);
    Session session;
    session.extendedMode = line.Has("extended");
    Document document(session, notifier);
    const CliContext context{line, std::cout, std::cerr, notifier, session, document};
    return command->run(context);
}
