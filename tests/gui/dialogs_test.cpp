#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/link/memory_serial_pair.h"
#include "core/radio/data_file.h"
#include "core/radio/image_defaults.h"
#include "gui/app/about_dialog.h"
#include "gui/app/splash_window.h"
#include "gui/link/port_dialog.h"
#include "gui/link/radio_info_dialog.h"
#include "gui/radio/file_dialogs.h"
#include "gui/radio/model_dialog.h"
#include "gui/radio/open_data_file_dialog.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"

// Failures show texts, not bytes.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace rpx::gui {
namespace {

using test::ShippedTexts;
constexpr TextId kModelChangeQuestion = 3003039;

QAbstractButton* ButtonLabelled(const QWidget& window, const QString& label) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->text() == label || button->text().startsWith(label + QStringLiteral(" \u2014")))
            return button;
    ADD_FAILURE() << "no button " << label.toStdString();
    return nullptr;
}

// Clicks near the left end, where check boxes and radio buttons have their mark.
void Click(QAbstractButton* button) {
    if (button != nullptr)
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->height() / 2, button->height() / 2));
}

void Click(const QWidget& window, const QString& label) {
    Click(ButtonLabelled(window, label));
}

QStringList LabelTexts(const QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts.push_back(label->text());
    return texts;
}

// Runs action on the next modal dialog as soon as that runs its own event loop.
template <typename Dialog> void WhenModal(std::function<void(Dialog&)> action) {
    QTimer::singleShot(0, qApp, [action = std::move(action)] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(*dialog);
    });
}

// ---- Model dialog ----

class ModelDialogTest : public ::testing::Test {
protected:
    void Open(const char* model, uint8_t code, bool extendedMode = false, bool hiddenFunctions = false) {
        session.image.FillAll(0xFF);
        ApplyNewImageDefaults(session.image);
        session.image.SetModelString(model);
        session.image.SetRangeCode(code);
        session.image.SetBit(RadioImage::kModelOptions, 6, !hiddenFunctions);
        session.extendedMode = extendedMode;
        before = session.image;
        rules.Open();
        dialog = std::make_unique<ModelDialog>(rules, ShippedTexts(), nullptr);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
    }
    QListWidget& List(const char* name) { return *dialog->findChild<QListWidget*>(name); }
    void Choose(const char* listName, int row) {
        QListWidget& list = List(listName);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
    }
    QCheckBox& HiddenFunctions() { return *dialog->findChild<QCheckBox*>("hiddenFunctions"); }

    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, ShippedTexts()};
    ModelDialogRules rules{session, notifier};
    RadioImage before;
    std::unique_ptr<ModelDialog> dialog;
};

TEST_F(ModelDialogTest, ChosenModelAndRangeAreKeptByOk) {
    Open("MDL2A", 0x51);
    EXPECT_EQ(List("modelList").currentRow(), 2);
    Choose("modelList", 1);
    EXPECT_EQ(session.image.ModelString(), "MDL1B");
    EXPECT_EQ(session.image.RangeCode(), 0x11);
    ASSERT_EQ(List("freqList").count(), 3);
    Choose("freqList", 1);
    EXPECT_EQ(session.image.RangeCode(), 0x23);

    Click(*dialog, "OK");
    EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{kModelChangeQuestion});
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(session.image.ModelString(), "MDL1B");
    EXPECT_EQ(session.image.RangeCode(), 0x23);
}

TEST_F(ModelDialogTest, DecliningTheQuestionKeepsTheDialogOpen) {
    Open("MDL2A", 0x51);
    Choose("modelList", 0);
    messenger.Answer(MessageAnswer::Cancel);
    Click(*dialog, "OK");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(session.image.ModelString(), "MDL1A");
    Click(*dialog, "OK");
    EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{kModelChangeQuestion, kModelChangeQuestion}));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ModelDialogTest, EveryWayOfCancellingRestoresEveryByte) {
    const std::pair<const char*, std::function<void(ModelDialog&)>> ways[] = {
        {"Cancel button", [](ModelDialog& d) { Click(d, "Cancel"); }},
        {"Escape", [](ModelDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"window closed", [](ModelDialog& d) { d.close(); }},
    };
    for (const auto& [way, cancel] : ways) {
        Open("MDL2A", 0x51, true);
        Choose("modelList", 0);
        Choose("freqList", 2);
        Choose("modelList", 3);
        Choose("freqList", 3);
        Click(&HiddenFunctions());
        ASSERT_NE(session.image, before) << way;
        cancel(*dialog);
        EXPECT_FALSE(dialog->isVisible()) << way;
        EXPECT_EQ(session.image, before) << way;
        EXPECT_TRUE(messenger.Shown().empty()) << way;
    }
}

TEST_F(ModelDialogTest, CancelAlsoUndoesTheRangeMovedIntoTheModelsSeriesOnOpening) {
    Open("MDL1A", 0x31);
    EXPECT_EQ(session.image.RangeCode(), 0x11);
    EXPECT_EQ(List("freqList").currentRow(), 0);
    Click(*dialog, "Cancel");
    EXPECT_EQ(session.image, before);
}

TEST_F(ModelDialogTest, HiddenFunctionsBoxOnlyInExtendedMode) {
    const struct {
        bool extendedMode, hiddenFunctions, shown, ticked;
    } cases[] = {{false, false, false, false}, {true, false, true, false}, {true, true, true, true}};
    for (const auto& c : cases) {
        Open("MDL2B", 0x31, c.extendedMode, c.hiddenFunctions);
        EXPECT_EQ(HiddenFunctions().isVisible(), c.shown) << c.extendedMode << c.hiddenFunctions;
        EXPECT_EQ(HiddenFunctions().isChecked(), c.ticked) << c.extendedMode << c.hiddenFunctions;
    }
    Click(&HiddenFunctions());
    EXPECT_FALSE(session.image.HiddenFunctionsEnabled());
}

TEST_F(ModelDialogTest, EnterOnAListMovesToTheOtherListAndOnCancelCancels) {
    Open("MDL2A", 0x51);
    Choose("modelList", 3);
    QListWidget& models = List("modelList");
    QListWidget& ranges = List("freqList");
    models.setFocus();
    QTest::keyClick(&models, Qt::Key_Return);
    EXPECT_EQ(dialog->focusWidget(), &ranges);
    QTest::keyClick(&ranges, Qt::Key_Enter);
    EXPECT_EQ(dialog->focusWidget(), &models);
    EXPECT_TRUE(dialog->isVisible());

    QAbstractButton* cancel = ButtonLabelled(*dialog, "Cancel");
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(session.image, before);
}

TEST_F(ModelDialogTest, FocusOnTheListsOfAnUnknownModelChangesNothing) {
    Open("XYZ12", 0x31);
    EXPECT_TRUE(List("modelList").selectedItems().isEmpty());
    List("modelList").setFocus();
    QTest::keyClick(&List("modelList"), Qt::Key_Tab);
    EXPECT_EQ(session.image, before);
}

// ---- Port dialog ----

class PortDialogTest : public ::testing::Test {
protected:
    void Open(uint8_t storedPort) {
        port.SetPortNumber(storedPort);
        dialog = std::make_unique<PortDialog>(rules, ShippedTexts(), nullptr, detected);
        dialog->show();
    }
    QStringList ChoiceTexts() const {
        QStringList texts;
        for (const QRadioButton* button : dialog->findChildren<QRadioButton*>())
            texts.push_back(button->text());
        return texts;
    }

    MemorySerialPair pair;
    SerialPort port{pair.First(), [](uint8_t n) { return "/dev/mapped" + std::to_string(n); }};
    PortDialogRules rules{port};
    std::vector<transport::DetectedPort> detected = {{"/dev/ttyS1", "", ""},
                                                     {"/dev/ttyUSB0", "FT232R USB UART", "FTDI"},
                                                     {"/dev/ttyS0", "", ""},
                                                     {"/dev/ttyACM0", "", ""},
                                                     {"/dev/ttyUSB1", "", ""}};
    std::unique_ptr<PortDialog> dialog;
};

TEST_F(PortDialogTest, EachPortShowsItsDeviceThenTheOthersAndTheVirtualRadio) {
    Open(1);
    EXPECT_EQ(ChoiceTexts(),
              (QStringList{
                  QStringLiteral("COM1 \u2014 /dev/ttyUSB0 (FT232R USB UART)"),
                  QStringLiteral("COM2 \u2014 /dev/ttyUSB1"), QStringLiteral("COM3 \u2014 /dev/ttyACM0"),
                  QStringLiteral("COM4 \u2014 /dev/ttyS0"), QStringLiteral("/dev/ttyS1"),
                  QStringLiteral("Virtual radio"),
                  QString(), // beside the field for a typed path
              }));
}

TEST_F(PortDialogTest, StoredPortBeyondTheFourSelectsCom1) {
    Open(7);
    EXPECT_TRUE(ButtonLabelled(*dialog, "COM1")->isChecked());
}

TEST_F(PortDialogTest, OkPointsThePortAtTheChoice) {
    const struct {
        const char* choice;
        uint8_t portNumber;
        const char* devicePath;
    } cases[] = {
        {"COM3", 3, "/dev/mapped3"},
        {"Virtual radio", 2, "Virtual radio"},
        {"/dev/ttyS1", 2, "/dev/ttyS1"},
    };
    for (const auto& c : cases) {
        PortDialogRules fresh{port};
        port.SetDevicePath({});
        port.SetPortNumber(2);
        PortDialog dialog(fresh, ShippedTexts(), nullptr, detected);
        dialog.show();
        Click(dialog, c.choice);
        Click(dialog, "OK");
        EXPECT_EQ(port.PortNumber(), c.portNumber) << c.choice;
        EXPECT_EQ(port.DevicePath(), c.devicePath) << c.choice;
    }
}

TEST_F(PortDialogTest, ATypedPathIsChosenByTypingAndNeedsText) {
    Open(2);
    auto* typed = dialog->findChild<QLineEdit*>("typedPath");
    QTest::keyClicks(typed, " ");
    EXPECT_TRUE(ButtonLabelled(*dialog, "")->isChecked());
    EXPECT_FALSE(ButtonLabelled(*dialog, "OK")->isEnabled());
    QTest::keyClicks(typed, "/dev/ttyAMA0 ");
    Click(*dialog, "OK");
    EXPECT_EQ(port.DevicePath(), "/dev/ttyAMA0");
}

TEST_F(PortDialogTest, CancelKeepsThePort) {
    Open(2);
    Click(*dialog, "COM4");
    Click(*dialog, "Cancel");
    EXPECT_EQ(port.PortNumber(), 2);
    EXPECT_EQ(port.DevicePath(), "/dev/mapped2");
}

// ---- Radio information and About ----

TEST(RadioInfoDialogTest, ShowsTheFieldsReadOnlyWithTheTextInTheFixedFont) {
    const QFont fixedFont(QStringLiteral("Monospace"), 9);
    const RadioInfoFields fields{"RZ-D2A", "UHF : 485-520 MHz Ver. 1", "12345678-       "};
    RadioInfoDialog dialog(fields, ShippedTexts(), fixedFont, nullptr);
    const QList<QLineEdit*> shown = dialog.findChildren<QLineEdit*>();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0]->text(), QStringLiteral("RZ-D2A"));
    EXPECT_EQ(shown[1]->text(), QStringLiteral("UHF : 485-520 MHz Ver. 1"));
    EXPECT_EQ(shown[2]->text(), QStringLiteral("12345678-       "));
    EXPECT_EQ(shown[2]->font().family(), fixedFont.family());
    EXPECT_EQ(shown[2]->font().pointSize(), fixedFont.pointSize());
    for (const QLineEdit* field : shown)
        EXPECT_TRUE(field->isReadOnly());
    EXPECT_EQ(LabelTexts(dialog), (QStringList{"Model", "Frequency", "Serial Number"}));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Radio Information"));
}

TEST(AboutDialogTest, StatesProgramVersionAndRelease) {
    AboutDialog dialog(ShippedTexts(), nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About RPX-41C"));
    const QStringList lines = LabelTexts(dialog);
    for (const char* line : {"RPX-41C Programming Software", "For MDL1/MDL2 series VHF/UHF mobile radios",
                             "Version 3.11", "Released OCT/31/2008"})
        EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line;
}

// ---- File dialogs ----

TEST(NameFilterTest, FilterTextBecomesQtNameFilters) {
    const struct {
        const char* text;
        QStringList filters;
    } cases[] = {
        {"Data files (*.dat)|*.dat|All files (*.*)|*.*||", {"Data files (*.dat)", "All files (*)"}},
        {"Data files|*.dat||", {"Data files (*.dat)"}},
        {"Radio data (*.dat;*.bak)|*.dat; *.bak||", {"Radio data (*.dat *.bak)"}},
        {"Data (radio) files|*.dat||", {"Data (radio) files (*.dat)"}},
        {"Data files|*.dat", {"Data files (*.dat)"}},
        {"Data files|*.dat||Ignored|*.x||", {"Data files (*.dat)"}},
        {"No pattern||", {}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NameFiltersOf(c.text), c.filters) << c.text;
}

// What the dialog's Open or Save button does.
void Accept(QFileDialog& dialog) {
    static_cast<QDialog&>(dialog).accept();
}

class FileDialogTest : public ::testing::Test {
protected:
    void WriteDataFile(const std::string& name, const std::string& first, const std::string& second) {
        RadioImage image;
        image.FillAll(0xFF);
        std::copy(first.begin(), first.end(), image.Bytes().begin() + 0x300);
        std::copy(second.begin(), second.end(), image.Bytes().begin() + 0x320);
        folder.Write(name, SerialiseDataFile(image));
    }

    test::TempDir folder;
    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, ShippedTexts()};
    Document document{session, notifier};
    QFont fixedFont{QStringLiteral("Monospace"), 9};
};

TEST_F(FileDialogTest, OpenDialogPreviewsTheEmbeddedMessageOfTheSelectedFile) {
    WriteDataFile("hello.dat", "HELLO", "RADIO 7");
    WriteDataFile("blank.dat", "", "");
    folder.Write("broken.dat", std::string("XX7150 not a data file"));
    folder.Write("notes.txt", std::string("RZ7150 notes"));
    OpenDataFileDialog dialog(nullptr, ShippedTexts(), document, folder.Path().string(), fixedFont);
    dialog.show();
    auto* files = dialog.findChild<QListView*>("listView");
    auto* model = dialog.findChild<QFileSystemModel*>();
    auto* first = dialog.findChild<QLineEdit*>("previewFirstLine");
    auto* second = dialog.findChild<QLineEdit*>("previewSecondLine");
    ASSERT_TRUE(files && model && first && second);
    EXPECT_TRUE(LabelTexts(dialog).contains(QStringLiteral("Embedded Message")));
    EXPECT_EQ(first->font().family(), fixedFont.family());

    const struct {
        const char* file;
        const char* first;
        const char* second;
    } selections[] = {
        {"hello.dat", "HELLO", "RADIO 7"},
        {"notes.txt", "HELLO", "RADIO 7"}, // not a data file name: the preview stays
        {"broken.dat", "", ""},
        {"hello.dat", "HELLO", "RADIO 7"},
        {"blank.dat", "", ""},
    };
    for (const auto& s : selections) {
        files->setCurrentIndex(model->index(QString::fromStdString((folder / s.file).string())));
        EXPECT_EQ(first->text(), QString::fromLatin1(s.first)) << s.file;
        EXPECT_EQ(second->text(), QString::fromLatin1(s.second)) << s.file;
    }
}

TEST_F(FileDialogTest, OpenDialogGivesTheChosenPathOrNothing) {
    WriteDataFile("Site1.dat", "", "");
    WhenModal<QFileDialog>([](QFileDialog& dialog) {
        dialog.selectFile(QStringLiteral("Site1"));
        Accept(dialog);
    });
    EXPECT_EQ(
        OpenDataFileDialog::GetOpenPath(nullptr, ShippedTexts(), document, folder.Path().string(), fixedFont),
        (folder / "Site1.dat").string());
    WhenModal<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(
        OpenDataFileDialog::GetOpenPath(nullptr, ShippedTexts(), document, folder.Path().string(), fixedFont),
        std::nullopt);
}

TEST_F(FileDialogTest, SaveAsAddsTheSuffixAndAsksBeforeOverwriting) {
    WhenModal<QFileDialog>([](QFileDialog& dialog) { Accept(dialog); });
    EXPECT_EQ(GetSaveAsPath(nullptr, ShippedTexts(), folder.Path().string(), "Site2"),
              (folder / "Site2.dat").string());

    WriteDataFile("Site1.dat", "", "");
    bool stayedOpen = false;
    WhenModal<QFileDialog>([&stayedOpen](QFileDialog& dialog) {
        WhenModal<QMessageBox>([](QMessageBox& question) { question.button(QMessageBox::No)->click(); });
        Accept(dialog);
        stayedOpen = dialog.isVisible();
        dialog.reject();
    });
    EXPECT_EQ(GetSaveAsPath(nullptr, ShippedTexts(), folder.Path().string(), "Site1.dat"), std::nullopt);
    EXPECT_TRUE(stayedOpen);
}

// ---- Splash window ----

// Counts the presses that reach it and the commands its shortcut runs.
class PressTarget : public QWidget {
public:
    PressTarget() {
        auto* command = new QAction(this);
        command->setShortcut(QKeySequence(Qt::Key_F5));
        connect(command, &QAction::triggered, this, [this] { ++commands; });
        addAction(command);
        show();
    }
    // The offscreen platform activates every window shown, the splash too.
    void TakeKeyboard() {
        activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(this));
    }
    int presses = 0;
    int commands = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress)
            ++presses;
        return QWidget::event(e);
    }
};

QPointer<SplashWindow> ShowSplash(std::chrono::milliseconds lifetime) {
    auto* splash = new SplashWindow(ShippedTexts(), lifetime);
    splash->show();
    return splash;
}

void RunDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(SplashWindowTest, GoesAwayByItselfWhenItsTimeIsUp) {
    const QPointer<SplashWindow> splash = ShowSplash(std::chrono::milliseconds(1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }));
}

TEST(SplashWindowTest, TheFirstPressAnywhereClosesItAndIsSwallowed) {
    const struct {
        const char* name;
        std::function<void(QWidget&)> press;
        int presses, commands; // what a press does once the splash is gone
    } cases[] = {
        {"key", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_A); }, 1, 0},
        {"left button", [](QWidget& w) { QTest::mouseClick(&w, Qt::LeftButton); }, 1, 0},
        {"right button", [](QWidget& w) { QTest::mouseClick(&w, Qt::RightButton); }, 1, 0},
        {"shortcut key", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_F5); }, 0, 1},
    };
    for (const auto& c : cases) {
        PressTarget target;
        const QPointer<SplashWindow> splash = ShowSplash(std::chrono::hours(1));
        target.TakeKeyboard();
        QTest::mouseMove(&target);
        QTest::keyRelease(&target, Qt::Key_B);
        RunDeferredDeletes();
        ASSERT_FALSE(splash.isNull()) << c.name << ": only presses count";

        c.press(target);
        RunDeferredDeletes();
        EXPECT_TRUE(splash.isNull()) << c.name;
        EXPECT_EQ(target.presses, 0) << c.name;
        EXPECT_EQ(target.commands, 0) << c.name;

        c.press(target);
        EXPECT_EQ(target.presses, c.presses) << c.name << ": later presses arrive";
        EXPECT_EQ(target.commands, c.commands) << c.name << ": later presses arrive";
    }
}

} // namespace
} // namespace rpx::gui
