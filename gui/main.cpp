// rpx41c: the desktop program.
#include <QApplication>
#include <QIcon>

#include <iostream>
#include <string_view>

#include "core/app/program_paths.h"
#include "gui/app/crq7150_app.h"
#include "gui/app/gui_messenger.h"
#include "gui/app/qt_text.h"
#include "transport/qt_settings_store.h"

namespace {

// Also the source of the manual page: a heading ends in a colon, an item is "  TERM  text" or
// "  TERM" above lines indented by six.
constexpr const char* kUsage =
    "usage: rpx41c [FILE]\n"
    "Programs land-mobile two-way radios over a serial cable.\n"
    "The desktop program reads a radio's memory, shows its eight channels in a grid and its\n"
    "features in dialogs, keeps the data in files, prints it and writes it back into the radio.\n"
    "Setup > Port chooses the serial device, or the Virtual radio to try everything without\n"
    "hardware; F1 opens the help.\n"
    "options:\n"
    "  FILE             a data file (*.dat) to open at start\n"
    "  --help, -h       print this help\n"
    "  --version        print the version\n"
    "files:\n"
    "  ~/.config/BREVANE/RPX41C.conf\n"
    "      the settings: the radio port, the last model and the data folder\n"
    "  ~/Documents/RPX41C\n"
    "      where the file dialogs start when the program's folder cannot hold a Data folder (as when\n"
    "      installed); later the folder of the last file opened or saved\n"
    "  /usr/share/rpx41c\n"
    "      (../share/rpx41c from the program's folder) the language files Common.lng and Rpx41c.lng, which\n"
    "      a translation replaces, and the help pages\n"
    "see also:\n"
    "  rpx41c-cli(1), rpx41c-sim(1)\n";

// Only a command line that is nothing but the request asks for it, so a file name or the
// extended-mode phrase is never taken for one.
bool PrintedHelpOrVersion(int argc, char** argv) {
    if (argc != 2)
        return false;
    const std::string_view argument = argv[1];
    if (argument == "--help" || argument == "-h")
        std::cout << kUsage;
    else if (argument == "--version")
        std::cout << "rpx41c " << RPX_VERSION << '\n';
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // Before the application object, which would want a display.
    if (PrintedHelpOrVersion(argc, argv))
        return 0;
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(":/icons/rpx41c.png"));
    rpx::transport::QtSettingsStore settings;
    rpx::gui::GuiMessenger messenger;
    rpx::gui::StartupOptions options;
    for (const QString& argument : QApplication::arguments().mid(1))
        options.arguments.push_back(rpx::gui::FromQt(argument));
    options.programDirectory = rpx::gui::FromQt(QApplication::applicationDirPath());
    options.languageDirectories = rpx::LanguageDirectories(options.programDirectory);
    options.settingsStore = &settings;
    options.messenger = &messenger;

    rpx::gui::CRQ7150App app(options);
    if (!app.InitInstance())
        return 1;
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
