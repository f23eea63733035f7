#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/app/menu_rules.h"
#include "core/editor/channel_record.h"
#include "core/editor/frequency_text.h"
#include "core/exchange/channel_plan_csv.h"
#include "core/radio/data_file.h"
#include "core/radio/image_defaults.h"
#include "gui/app/crq7150_app.h"
#include "gui/app/help_window.h"
#include "gui/app/main_frame.h"
#include "gui/app/qt_text.h"
#include "gui/editor/channel_detail_dialog.h"
#include "gui/editor/crq7150_view.h"
#include "gui/link/test_dialog.h"
#include "gui/trunking/smartrunk_dialog.h"
#include "gui/trunking/trunking_channel_dialog.h"
#include "sim/virtual_radio.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"
#include "transport/qt_settings_store.h"

namespace rpx::gui {
namespace {

constexpr TextId kExitQuestion = 3003021;
constexpr auto& Text = test::ShippedText;

class MainFrameTest : public ::testing::Test {
protected:
    // Starts the program as a user would with these arguments; false when it ended at once.
    bool Start(std::vector<std::string> arguments = {},
               std::vector<std::string> languageDirectories = {RPX_SOURCE_DIR "/resources/lang"}) {
        store = std::make_unique<transport::QtSettingsStore>(dir / "settings.ini");
        // The help pages stand beside the program, as the build puts them.
        std::filesystem::copy(RPX_SOURCE_DIR "/resources/help", dir / "help",
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::skip_existing);
        StartupOptions options;
        options.arguments = std::move(arguments);
        options.languageDirectories = std::move(languageDirectories);
        options.programDirectory = dir.Path().string();
        options.settingsStore = store.get();
        options.messenger = &messenger;
        options.showSplash = false;
        app = std::make_unique<CRQ7150App>(options);
        return app->InitInstance();
    }
    // Ends the run as closing the window does, with the question answered Yes.
    void Stop() {
        messenger.Answer(MessageAnswer::Yes);
        app->MainFrame()->close();
        app->ExitInstance();
        app.reset();
    }
    CMainFrame& Frame() { return *app->MainFrame(); }
    Session& TheSession() { return app->GetSession(); }
    QMenu* Menu(int index) { return Frame().menuBar()->actions()[index]->menu(); }
    // The texts of a drop-down's items, "-" for a separator and a trailing "(off)" for a greyed one.
    std::vector<std::string> MenuTexts(int index) {
        Frame().OnInitMenu();
        std::vector<std::string> texts;
        for (const QAction* action : Menu(index)->actions())
            texts.push_back(
                action->isSeparator() ? "-" : FromQt(action->text()) + (action->isEnabled() ? "" : " (off)"));
        return texts;
    }

    test::TempDir dir;
    test::ScriptedMessenger messenger;
    std::unique_ptr<transport::QtSettingsStore> store;
    std::unique_ptr<CRQ7150App> app;
};

// Which failure shows which text is the language loader's test; here, that no window opens.
TEST_F(MainFrameTest, ALanguageFailureEndsTheStartBeforeAnyWindow) {
    std::filesystem::create_directories(dir / "lang");
    dir.Write("lang/Common.lng", std::string("^#001001001\nOK\n"));
    dir.Write("lang/Rpx41c.lng", std::string("^#003001001\nRPX-41C\n"));
    EXPECT_FALSE(Start({}, {(dir / "lang").string()}));
    EXPECT_EQ(app->MainFrame(), nullptr);
    ASSERT_EQ(messenger.Shown().size(), 1u);
    EXPECT_EQ(messenger.Shown()[0].text,
              "Language file has been damaged.  Please install this software again.");
}

TEST_F(MainFrameTest, SettingsSurviveARestart) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(app->RadioPort().PortNumber(), 1);
    EXPECT_EQ(TheSession().dataDirectory, (dir.Path() / "Data").string());
    EXPECT_EQ(TheSession().image.ModelCode(), "MDL2A1");
    app->RadioPort().SetPortNumber(3);
    TheSession().image.SetModelString("MDL1B");
    TheSession().image.SetRangeCode(0x23);
    TheSession().dataDirectory = "/srv/radios";
    Frame().Board().BoardPort().SetDevicePath(std::string(sim::kVirtualBoardPort));
    Stop();

    ASSERT_TRUE(Start());
    EXPECT_EQ(app->RadioPort().PortNumber(), 3);
    EXPECT_EQ(TheSession().image.ModelCode(), "MDL1B\x23");
    EXPECT_EQ(TheSession().image.Byte(0x3C6), 0xFF);
    EXPECT_EQ(TheSession().dataDirectory, "/srv/radios");
    EXPECT_EQ(Frame().Board().BoardPort().ChosenDevicePath(), sim::kVirtualBoardPort);
    Stop();
}

TEST_F(MainFrameTest, ExitAsksFirst) {
    ASSERT_TRUE(Start());
    Frame().show();
    messenger.Answer(MessageAnswer::No);
    Frame().OnExit();
    EXPECT_TRUE(Frame().isVisible());
    messenger.Answer(MessageAnswer::No);
    Frame().close();
    EXPECT_TRUE(Frame().isVisible());
    messenger.Answer(MessageAnswer::Yes);
    Frame().OnExit();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{kExitQuestion, kExitQuestion, kExitQuestion}));
    app->ExitInstance();
}

// The window shows what the menu rules decide, each time a menu opens (the rules' own cases are
// MenuRules.MenusFollowTheImage).
TEST_F(MainFrameTest, MenusFollowTheImageAndMode) {
    const struct {
        const char* name;
        bool extended, hidden, trunking;
        uint8_t range;
        std::vector<std::pair<std::size_t, std::string>> edit, program; // (position, text) checked
        std::size_t editSize, programSize;
    } cases[] = {
        {"trunking", false, false, true, 0x31, {{12, Text(3019117)}}, {{4, "-"}, {5, Text(3019119)}}, 13, 8},
        {"range 0x23", false, false, false, 0x23, {{5, Text(3019113) + " (off)"}}, {}, 12, 4},
        {"extended, hidden functions", true, true, false, 0x31, {{12, Text(3002119)}}, {}, 13, 4},
        {"extended", true, false, false, 0x31, {}, {}, 12, 4},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Start(c.extended ? std::vector<std::string>{"Service", "Facilities"}
                                     : std::vector<std::string>{}));
        EXPECT_EQ(TheSession().extendedMode, c.extended) << c.name;
        TheSession().image.SetRangeCode(c.range);
        TheSession().image.SetBit(RadioImage::kModelOptions, 6, !c.hidden);
        TheSession().image.SetByte(0x258, c.trunking ? 3 : 0);
        Frame().UpdateMenusForModel();
        const auto edit = MenuTexts(kEditMenu);
        const auto program = MenuTexts(kProgramMenu);
        ASSERT_EQ(edit.size(), c.editSize) << c.name;
        ASSERT_EQ(program.size(), c.programSize) << c.name;
        for (const auto& [position, text] : c.edit)
            EXPECT_EQ(edit[position], text) << c.name;
        for (const auto& [position, text] : c.program)
            EXPECT_EQ(program[position], text) << c.name;
        EXPECT_TRUE(Frame().Action(Command::Read)->isEnabled()) << c.name;
        EXPECT_TRUE(Frame().Action(Command::Optional)->isEnabled()) << c.name;
        Stop();
    }
}

// In every state of the menus, whatever stands enabled in a menu or answers an accelerator runs a
// handler: a command that is not built yet cannot be offered.
TEST_F(MainFrameTest, EveryCommandOfferedHasAHandler) {
    const auto handled = [&](const QAction* action) {
        return action->data().isValid() &&
               Frame().Commands().Row(static_cast<Command>(action->data().toInt())).handler;
    };
    for (const bool extended : {false, true}) {
        ASSERT_TRUE(
            Start(extended ? std::vector<std::string>{"Service", "Facilities"} : std::vector<std::string>{}));
        for (const uint8_t range : {0x31, 0x23, 0x51})
            for (const bool hidden : {false, true})
                for (const bool trunking : {false, true}) {
                    TheSession().image.SetRangeCode(range);
                    TheSession().image.SetBit(RadioImage::kModelOptions, 6, !hidden);
                    TheSession().image.SetByte(0x258, trunking ? 3 : 0);
                    Frame().UpdateMenusForModel();
                    Frame().OnInitMenu();
                    QList<QAction*> offered = Frame().actions(); // the accelerators
                    for (int menu = kFileMenu; menu <= kHelpMenu; ++menu)
                        offered += Menu(menu)->actions();
                    for (const QAction* action : offered) {
                        if (action->isEnabled() && !action->isSeparator()) {
                            EXPECT_TRUE(handled(action)) << FromQt(action->text()) << " range " << int(range)
                                                         << " hidden " << hidden << " trunking " << trunking;
                        }
                    }
                }
        Stop();
    }
}

// Edit > Key Assignment on a two-group model: a key set to the group function opens group 2 in
// the grid as soon as the dialog closes; F1 in a key's list opens the page of its selected item.
TEST_F(MainFrameTest, KeyAssignmentOpensChannelGroupTwo) {
    ASSERT_TRUE(Start());
    TheSession().image.SetModelString("MDL2B");
    QTimer::singleShot(0, [this] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QApplication::setActiveWindow(dialog);
        dialog->findChild<QLineEdit*>("key1")->setFocus();
        auto* list = dialog->findChild<QComboBox*>("keyList");
        list->setCurrentIndex(list->findText(QString::fromLatin1(Text(1001073))));
        QTest::keyClick(list, Qt::Key_F1);
        EXPECT_EQ(Frame().Help().ShownContext(), 520);
        static_cast<QDialog*>(dialog)->accept();
    });
    Frame().Action(Command::Key)->trigger();
    EXPECT_EQ(TheSession().image.Byte(0x244), 11);
    EXPECT_TRUE(Frame().View().findChild<QLineEdit*>("rx5")->isEnabled());
    Frame().Help().close();
    Stop();
}

// Edit > Function Port: choosing the SmarTrunk board gives the grid its trunking row and the menus
// their trunking commands while the dialog is open; Cancel takes both away again.
TEST_F(MainFrameTest, FunctionPortDeviceChangesGridAndMenusAtOnce) {
    ASSERT_TRUE(Start());
    TheSession().image.SetRangeCode(0x31);
    TheSession().image.SetBit(RadioImage::kModelOptions, 6, true);
    TheSession().image.SetByte(0x258, 0);
    TheSession().image.SetByte(0x0DA, 1);
    Frame().UpdateMenusForModel();
    const auto rx1 = [this] { return Frame().View().findChild<QLineEdit*>("rx1")->text().toStdString(); };
    const std::string plain = rx1();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        opened = true;
        auto* device = dialog->findChild<QComboBox*>("device");
        device->setCurrentIndex(3);
        emit device->activated(3);
        EXPECT_EQ(rx1(), Text(3019155));
        EXPECT_EQ(MenuTexts(kEditMenu).back().rfind(Text(3019117), 0), 0u);
        static_cast<QDialog*>(dialog)->reject();
    });
    Frame().Action(Command::FunctionPort)->trigger();
    EXPECT_TRUE(opened);
    EXPECT_EQ(rx1(), plain);
    EXPECT_NE(MenuTexts(kEditMenu).back().rfind(Text(3019117), 0), 0u);
    Stop();
}

// F10 in a row opens that channel's details; an edit there shows in the grid once it closes.
TEST_F(MainFrameTest, F10OpensTheRowsChannelDetails) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Frame().View().Editor().CommitRxCell(2, "146.52", true).stored);
    ASSERT_TRUE(Frame().View().Editor().SelectFlag(2, GridColumn::Power, 0));
    Frame().View().RefreshAllTexts();
    const std::string lowPower = Frame().View().Editor().CellText(2, GridColumn::Power);
    QApplication::setActiveWindow(&Frame());
    auto* rx2 = Frame().View().findChild<QLineEdit*>("rx2");
    rx2->setFocus();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<ChannelDetailDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "the channel details are open";
        dialog->findChild<QCheckBox*>("highPower")->click();
        dialog->accept();
    });
    QTest::keyClick(rx2, Qt::Key_F10);
    EXPECT_NE(Frame().View().Editor().CellText(2, GridColumn::Power), lowPower)
        << "high power from the dialog";
    EXPECT_TRUE(ConstChannelRecord(TheSession().image, 2).HighPower());
    Stop();
}

// In trunking mode a trunking row's ">>" opens its group's channels, which store into the group's
// records; Edit > SmarTrunk keeps its edit on OK.
TEST_F(MainFrameTest, TrunkingRowsAndSmarTrunkOpenTheirDialogs) {
    ASSERT_TRUE(Start());
    TheSession().image.SetByte(0x258, 3);
    TheSession().image.SetByte(0x0DA, 2);
    Frame().UpdateMenusForModel();
    Frame().View().RefreshAllTexts();
    QApplication::setActiveWindow(&Frame());
    auto* rx2 = Frame().View().findChild<QLineEdit*>("rx2");
    rx2->setFocus();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TrunkingChannelDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "the trunking channels are open";
        EXPECT_EQ(dialog->windowTitle(), QString::fromLatin1(Text(3019013) + " - " + Text(3019157) + " 2"));
        QApplication::setActiveWindow(dialog);
        FrequencyEdit* rx = dialog->Frequency(3, Direction::Rx);
        rx->setFocus();
        QTest::keyClicks(rx, "451.25");
        QTest::keyClick(rx, Qt::Key_Tab);
        dialog->List(3, TrunkingList::Power)->activated(0);
        dialog->accept();
    });
    QTest::keyClick(rx2, Qt::Key_F10);
    const ConstChannelRecord record(TheSession().image, RecordAt{0x520});
    EXPECT_EQ(FormatFrequency(TheSession().image, RecordAt{0x520}, Direction::Rx), "451.25000");
    EXPECT_FALSE(record.HighPower());

    QTimer::singleShot(0, [this] {
        auto* dialog = qobject_cast<SmarTrunkDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "SmarTrunk is open";
        auto* code = dialog->findChild<QLineEdit*>("primaryCode");
        code->setText("4711");
        code->editingFinished();
        dialog->accept();
    });
    Frame().Action(Command::SmarTrunk)->trigger();
    EXPECT_EQ(TheSession().board.Text(BoardImage::Offset::kPrimaryCode, 8), "04070101");
    Stop();
}

TEST_F(MainFrameTest, HelpByContextNumber) {
    ASSERT_TRUE(Start());
    QMenu* program = Menu(kProgramMenu);
    program->popup(QPoint(0, 0));
    program->setActiveAction(Frame().Action(Command::Memory));
    QTest::keyClick(program, Qt::Key_F1);
    EXPECT_EQ(Frame().Help().ShownContext(), 1370);
    program->hide();

    Frame().Help().hide();
    QMenu* help = Menu(kHelpMenu);
    help->popup(QPoint(0, 0));
    help->setActiveAction(Frame().Action(Command::About));
    QTest::keyClick(help, Qt::Key_F1);
    EXPECT_FALSE(Frame().Help().isVisible()) << "About has no help page";
    help->hide();

    Frame().Action(Command::HelpTopics)->trigger();
    EXPECT_EQ(Frame().Help().ShownContext(), 6);
    EXPECT_TRUE(Frame().Help().PageText().contains("Program"));
    Frame().Help().close();
    Stop();
}

TEST_F(MainFrameTest, FilesThroughTheWindow) {
    ASSERT_TRUE(Start());
    TheSession().image.SetModelString("MDL1B");
    TheSession().image.SetRangeCode(0x23);
    messenger.Answer(MessageAnswer::Ok);
    Frame().Action(Command::FileNew)->trigger();
    EXPECT_EQ(TheSession().image.ModelCode(), "MDL1B\x23") << "File New keeps the model";
    EXPECT_EQ(TheSession().image.Byte(0x0A5), 6);

    TheSession().image.SetByte(0x100, 0x42);
    const std::string path = (dir / "Site1.dat").string();
    ASSERT_TRUE(app->GetDocument().FileSaveAs(path));
    const RadioImage saved = TheSession().image;
    TheSession().image.FillAll(0x00);
    Frame().OpenFile(path);
    EXPECT_EQ(TheSession().image, saved);
    EXPECT_TRUE(Frame().windowTitle().contains("Site1.dat"));
    Stop();
}

// Setup > Trace Serial Line: a trace started elsewhere is recorded by the next read and stopped
// when the user says so.
TEST_F(MainFrameTest, TheWireTraceRecordsTheTalkUntilStopped) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(MenuTexts(kSetupMenu).back(), Text(3020601));
    app->RadioPort().SetDevicePath(std::string(sim::kVirtualRadioPort));
    const std::filesystem::path trace = dir / "line.txt";
    ASSERT_TRUE(app->RadioDevice().SetTraceFile(trace));
    messenger.Answer(MessageAnswer::Ok); // read?
    Frame().Action(Command::Read)->trigger();
    EXPECT_NE(test::ReadFileText(trace).find("> 50 52 4F 47 52 41 4D"), std::string::npos)
        << "PROGRAM on the line";

    messenger.Clear();
    messenger.Answer(MessageAnswer::No);
    Frame().Action(Command::WireTrace)->trigger();
    EXPECT_EQ(app->RadioDevice().TraceFile(), trace);
    messenger.Answer(MessageAnswer::Yes);
    Frame().Action(Command::WireTrace)->trigger();
    EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{3020603, 3020603}));
    EXPECT_FALSE(app->RadioDevice().TraceFile());
    Stop();
}

// File > Import and Export Channel Plan, the file dialogs answered: the import edits the grid and
// reports what it rounded, the export writes the plan.
TEST_F(MainFrameTest, ChannelPlanImportEditsTheGridAndExportWritesThePlan) {
    ASSERT_TRUE(Start());
    Frame().OpenFile(RPX_SOURCE_DIR "/tests/data/MDL1A.dat");
    std::string path = (dir / "plan.csv").string();
    dir.Write("plan.csv", std::string("Location,Frequency,Duplex,Offset,Mode\r\n2,140.0126,+,0.5,FM\r\n"));
    std::vector<std::string> reports;
    QTimer answerer; // a file dialog picks path, the import report is read and closed
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        if (auto* report = dialog->findChild<QPlainTextEdit*>("report"))
            reports.push_back(FromQt(report->toPlainText()));
        else if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
            name->setText(QString::fromStdString(path));
        dialog->accept();
    });
    answerer.start(5);
    Frame().Action(Command::ImportChannelPlan)->trigger();
    EXPECT_EQ(reports, (std::vector<std::string>{"2: rx 140.012600 stored as 140.01250\n"
                                                 "2: tx 140.512600 stored as 140.51250"}));
    EXPECT_EQ(Frame().View().findChild<QLineEdit*>("rx2")->text(), "140.01250");
    EXPECT_EQ(Frame().View().findChild<QLineEdit*>("tx2")->text(), "140.51250");

    path = (dir / "out.csv").string();
    Frame().Action(Command::ExportChannelPlan)->trigger();
    answerer.stop();
    EXPECT_EQ(test::ReadFileText(path), ChannelPlanToCsv(TheSession().image));
    EXPECT_TRUE(messenger.Shown().empty());
    Stop();
}

TEST_F(MainFrameTest, ReadAndWriteTheVirtualRadio) {
    ASSERT_TRUE(Start());
    app->RadioPort().SetDevicePath(std::string(sim::kVirtualRadioPort));
    TheSession().image.SetModelString("MDL1B");
    TheSession().image.SetRangeCode(0x11);
    TheSession().titleFilePart = "Site1.dat";
    messenger.Answer(MessageAnswer::Ok); // read?
    Frame().Action(Command::Read)->trigger();
    EXPECT_EQ(TheSession().image.ModelCode(), "MDL2A1") << "the virtual radio starts as a new MDL2A";
    EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{3003001, 3003049}));
    EXPECT_FALSE(Frame().windowTitle().contains("Site1.dat"));
    EXPECT_TRUE(Frame().windowTitle().contains(QString::fromStdString(Text(3005003))));

    // Typed but not yet committed: the write must still send it.
    auto* rx1 = Frame().View().findChild<QLineEdit*>("rx1");
    ASSERT_NE(rx1, nullptr);
    QApplication::setActiveWindow(&Frame());
    rx1->setFocus();
    QTest::keyClicks(rx1, "460.125");
    messenger.Clear();
    Frame().Action(Command::Write)->trigger();
    EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{3003003, 3003051}));
    // Read back what the radio now holds.
    TheSession().image.FillAll(0x00);
    Frame().Action(Command::Read)->trigger();
    EXPECT_EQ(Frame().View().Editor().CellText(1, GridColumn::Rx), "460.12500");
    Stop();
}

// Setup > Write Safety is remembered. With "show changes" a write first lists what it changes in the
// radio read in this run, and Cancel there sends nothing; File > Backups opens that read's backup as
// untitled data.
TEST_F(MainFrameTest, WriteSafetyShowsChangesAndBackupsOpen) {
    ASSERT_TRUE(Start());
    app->RadioPort().SetDevicePath(std::string(sim::kVirtualRadioPort));
    const auto inModalDialog = [](const std::function<void(QDialog&)>& act) {
        QTimer::singleShot(0, [act] { act(*qobject_cast<QDialog*>(QApplication::activeModalWidget())); });
    };
    inModalDialog([](QDialog& dialog) {
        dialog.findChild<QCheckBox*>("showChanges")->setChecked(true);
        dialog.accept();
    });
    Frame().Action(Command::WriteSafety)->trigger();
    EXPECT_EQ(store->Value("Safety/ShowChanges"), "1");

    messenger.Answer(MessageAnswer::Ok); // read?
    Frame().Action(Command::Read)->trigger();
    const RadioImage read = TheSession().image;
    TheSession().image.SetByte(0x020, static_cast<uint8_t>(read.Byte(0x020) ^ 0x11));
    QString changes;
    inModalDialog([&](QDialog& dialog) {
        changes = dialog.findChild<QPlainTextEdit*>("changes")->toPlainText();
        dialog.reject();
    });
    messenger.Clear();
    Frame().Action(Command::Write)->trigger();
    EXPECT_TRUE(changes.startsWith("channel.1.rx: ")) << FromQt(changes);
    EXPECT_TRUE(messenger.Shown().empty()) << "the write did not even ask";

    TheSession().image.FillAll(0x00);
    inModalDialog([](QDialog& dialog) { dialog.accept(); });
    Frame().Action(Command::Backups)->trigger();
    EXPECT_EQ(TheSession().image.ModelCode(), read.ModelCode());
    EXPECT_EQ(TheSession().currentFilePath, "");
    EXPECT_TRUE(Frame().windowTitle().contains(QString::fromStdString(Text(3005003))));
    Stop();
}

// Program > Test: once the test has read the radio's tuning data, their record goes to the printer.
TEST_F(MainFrameTest, TheTestEndsWithThePrintOfItsTuningData) {
    ASSERT_TRUE(Start());
    app->RadioPort().SetDevicePath(std::string(sim::kVirtualRadioPort));
    messenger.Answer(MessageAnswer::Ok); // read?
    Frame().Action(Command::Read)->trigger();
    bool printAsked = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        QWidget* front = QApplication::activeModalWidget();
        if (auto* test = qobject_cast<TestDialog*>(front); test != nullptr && test->isEnabled())
            test->findChild<QPushButton*>("exit")->click();
        if (auto* print = qobject_cast<QPrintDialog*>(front)) {
            printAsked = true;
            print->reject();
        }
    });
    user.start(20);
    Frame().Action(Command::Test)->trigger();
    EXPECT_TRUE(printAsked);
    Stop();
}

} // namespace
} // namespace rpx::gui
