// rpx41c: the desktop program.
#include <QApplication>
#include <QIcon>

#include "core/app/program_paths.h"
#include "gui/app/crq7150_app.h"
#include "gui/app/gui_messenger.h"
#include "gui/app/qt_text.h"
#include "transport/qt_settings_store.h"

int main(int argc, char** argv) {
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
