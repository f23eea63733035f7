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

using rpx::cli::Command;

// The help is also the source of the manual page, so every line follows one layout: a heading ends
// in a colon, an item is "  TERM  text" or "  TERM" above lines indented by six.
constexpr const char* kCommonOptions =
    "  --yes            answer OK or Yes to every question (otherwise Cancel or No)\n"
    "  --extended       run in extended mode (allows data files with hidden functions)\n"
    "  --help, -h       print this help, or with a COMMAND the help of that command\n"
    "  --version        print the version\n";
constexpr const char* kRadioOptions =
    "  --port PORT      COMn or a device path as `ports` lists them, or virtual (the simulated radio)\n"
    "  --retries N      answer Retry to the first N communication errors, then Cancel\n"
    "  --password TEXT  the radio's data password (else asked on a terminal)\n"
    "  --trace FILE     log every byte sent and received, with times\n";
constexpr const char* kExamples =
    "  rpx41c-cli new site1.dat --model MDL1A --code 0x11\n"
    "  rpx41c-cli set site1.dat 1 rx=146.52 tx=146.52 decode=67.0 encode=d023n power=low\n"
    "  rpx41c-cli show site1.dat\n"
    "  rpx41c-cli write --port COM1 site1.dat --yes\n";

void PrintUsage(std::ostream& out) {
    using namespace rpx::cli;
    out << "usage: rpx41c-cli COMMAND ARGS... [--yes] [--extended]\n"
        << "Edits RPX-41C data files and reads and writes radios from the command line.\n"
        << "Messages the desktop program shows in a box go to standard error as CAPTION: TEXT. A\n"
           "question is answered Cancel or No unless --yes is given; writing another model or a\n"
           "1024-byte radio needs --force as well.\n"
        << "options:\n"
        << kCommonOptions << "radio options:\n"
        << kRadioOptions << "commands:\n";
    for (const Command& c : Commands())
        out << "  " << c.name << ' ' << c.usage << "\n      " << c.summary << '\n';
    out << "exit codes:\n"
        << "  " << kExitOk << "                done\n"
        << "  " << kExitFailed << "                refused or failed; the message says why\n"
        << "  " << kExitUsage << "                a mistake on the command line\n"
        << "examples:\n"
        << kExamples;
}

void PrintCommandUsage(std::ostream& out, const Command& command) {
    out << "usage: rpx41c-cli " << command.name << ' ' << command.usage << "\n  " << command.summary
        << "\noptions:\n"
        << kCommonOptions << (command.usesRadio ? kRadioOptions : "");
}

// A mistake on the command line before a command could run.
int UsageError(const std::string& reason, const Command* command) {
    std::cerr << reason << '\n';
    if (command != nullptr)
        std::cerr << "usage: rpx41c-cli " << command->name << ' ' << command->usage << '\n';
    else
        PrintUsage(std::cerr);
    return rpx::cli::kExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    using namespace rpx;
    using namespace rpx::cli;
    const std::vector<std::string> words(argv + 1, argv + argc);

    // A first pass with every option of every command finds the command, --help and --version.
    std::set<std::string> allFlags = kCommonFlags;
    allFlags.insert({"help", "h", "version"});
    std::set<std::string> allValueOptions;
    for (const Command& c : Commands()) {
        allFlags.insert(c.flagOptions.begin(), c.flagOptions.end());
        allValueOptions.insert(c.valueOptions.begin(), c.valueOptions.end());
    }
    CommandLine probe;
    std::string error;
    if (!ParseCommandLine(words, allFlags, allValueOptions, probe, error))
        return UsageError(error, nullptr);
    if (probe.Has("version")) {
        std::cout << "rpx41c-cli " << RPX_VERSION << '\n';
        return kExitOk;
    }
    const Command* command = FindCommand(probe.command);
    if (command == nullptr && !probe.command.empty())
        return UsageError("unknown command " + probe.command, nullptr);
    if (probe.Has("help") || probe.Has("h")) {
        if (command != nullptr)
            PrintCommandUsage(std::cout, *command);
        else
            PrintUsage(std::cout);
        return kExitOk;
    }
    if (command == nullptr)
        return UsageError("no command given", nullptr);

    std::set<std::string> flags = kCommonFlags;
    flags.insert(command->flagOptions.begin(), command->flagOptions.end());
    CommandLine line;
    if (!ParseCommandLine(words, flags, command->valueOptions, line, error))
        return UsageError(error, command);
    if (line.args.size() < command->minArgs || line.args.size() > command->maxArgs)
        return UsageError("wrong number of arguments", command);
    unsigned long retries = 0;
    if (const std::string* text = line.Value("retries");
        text != nullptr && !ParseDecimal(*text, 1000, retries))
        return UsageError("--retries takes a count from 0 to 1000", command);

    // The serial devices need Qt's core application object.
    std::unique_ptr<QCoreApplication> application;
    if (command->usesRadio)
        application = std::make_unique<QCoreApplication>(argc, argv);

    LanguageTable texts;
    CliMessenger messenger(std::cerr, texts, {line.Has("yes"), line.Has("force"), retries});
    if (!LoadTexts(texts, messenger, LanguageDirectories(ProgramDirectory())))
        return kExitFailed;
    Notifier notifier(messenger, texts);
    Session session;
    session.extendedMode = line.Has("extended");
    Document document(session, notifier);
    const CliContext context{line, std::cout, std::cerr, notifier, session, document};
    return command->run(context);
}
