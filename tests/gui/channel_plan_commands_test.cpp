// File > Import and Export Channel Plan as the main window runs them, the file dialogs answered.
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>

#include "core/exchange/channel_plan_csv.h"
#include "gui/app/crq7150_app.h"
#include "gui/app/main_frame.h"
#include "gui/editor/crq7150_view.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"
#include "transport/qt_settings_store.h"

namespace rpx::gui {
namespace {

// Answers the modal dialogs as they open: a file dialog picks path, the import report is read and
// closed.
class DialogAnswerer {
public:
    explicit DialogAnswerer(std::string path) : m_path(std::move(path)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            if (auto* report = dialog->findChild<QPlainTextEdit*>("report"))
                reports.push_back(report->toPlainText().toStdString());
            else if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
                name->setText(QString::fromStdString(m_path));
            dialog->accept();
        });
        m_timer.start(5);
    }
    std::vector<std::string> reports;

private:
    std::string m_path;
    QTimer m_timer;
};

TEST(ChannelPlanCommands, ImportEditsTheGridAndReportsExportWritesThePlan) {
    test::TempDir dir;
    transport::QtSettingsStore store(dir / "settings.ini");
    test::ScriptedMessenger messenger;
    StartupOptions options;
    options.languageDirectories = {RPX_SOURCE_DIR "/resources/lang"};
    options.programDirectory = dir.Path().string();
    options.settingsStore = &store;
    options.messenger = &messenger;
    options.showSplash = false;
    CRQ7150App app(options);
    ASSERT_TRUE(app.InitInstance());
    CMainFrame& frame = *app.MainFrame();
    frame.OpenFile(RPX_SOURCE_DIR "/tests/data/MDL1A.dat");
    const std::string plan = (dir / "plan.csv").string();
    std::ofstream(plan) << "Location,Frequency,Duplex,Offset,Mode\r\n2,140.0126,+,0.5,FM\r\n";

    {
        DialogAnswerer answerer(plan);
        frame.Action(Command::ImportChannelPlan)->trigger();
        EXPECT_EQ(answerer.reports, (std::vector<std::string>{"2: rx 140.012600 stored as 140.01250\n"
                                                              "2: tx 140.512600 stored as 140.51250"}));
    }
    const auto cell = [&](const char* name) {
        return frame.View().findChild<QLineEdit*>(name)->text().toStdString();
    };
    EXPECT_EQ(cell("rx2"), "140.01250");
    EXPECT_EQ(cell("tx2"), "140.51250");

    const std::string exported = (dir / "out.csv").string();
    {
        DialogAnswerer answerer(exported);
        frame.Action(Command::ExportChannelPlan)->trigger();
    }
    EXPECT_EQ(test::ReadFileText(exported), ChannelPlanToCsv(app.GetSession().image));
    EXPECT_TRUE(messenger.Shown().empty());
    messenger.Answer(MessageAnswer::Yes);
    frame.close();
    app.ExitInstance();
}

} // namespace
} // namespace rpx::gui
