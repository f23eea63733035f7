// rpx41c-cli: the program's data-file commands without a window.
#include <QCoreApplication>

#include <iostream>
#include <memory>
#include <vector>

#include "cli/cli_messenger.h"
#include "cli/commands.h"
#include "core/app/program_paths.h"
#include "core/text/startup_texts.h"

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: rpx41c-cli COMMAND ARGS... [--yes] [--extended]\n"
           "  --yes            answer OK or Yes to every question (otherwise Cancel or No)\n"
           "  --extended       run in extended mode\n"
           "radio commands also take:\n"
           "  --retries N      answer Retry to the first N communication errors, then Cancel\n"
           "  --password TEXT  the radio's data password (else asked on a terminal)\n"
           "  --trace FILE     log every byte sent and received, with times\n\ncommands:\n";
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

    unsigned long retries = 0;
    if (const std::string* text = line.Value("retries"); text != nullptr && !ParseDecimal(*text, 1000, retries)) {
        std::cerr << "--retries takes a count from 0 to 1000\nusage: rpx41c-cli " << command->name << ' '
                  << command->usage << '\n';
        return kExitUsage;
    }
    // The serial devices need Qt's core application object.
    std::unique_ptr<QCoreApplication> application;
    if (command->usesRadio)
        application = std::make_unique<QCoreApplication>(argc, argv);

    CliMessenger messenger(std::cerr, line.Has("yes"), retries);
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
