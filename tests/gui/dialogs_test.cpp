#include <QApplication>
#include <QCheckBox>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QShortcut>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "core/link/memory_serial_pair.h"
#include "core/radio/data_file.h"
#include "core/radio/image_defaults.h"
#include "gui/app/splash_window.h"
#include "gui/link/port_dialog.h"
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
void Click(const QWidget& window, const QString& label) {
    if (QAbstractButton* button = ButtonLabelled(window, label))
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->height() / 2, button->height() / 2));
}

class ModelDialogTest : public ::testing::Test {
protected:
    void Open(const char* model, bool extendedMode = false) {
        session.image.FillAll(0xFF);
        ApplyNewImageDefaults(session.image);
        session.image.SetModelString(model);
        session.image.SetRangeCode(0x51);
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

TEST_F(ModelDialogTest, EnterMovesBetweenTheListsAndOkKeepsTheChoiceOnceTheQuestionIsAnsweredYes) {
    Open("MDL2A");
    EXPECT_EQ(List("modelList").currentRow(), 2);
    EXPECT_FALSE(HiddenFunctions().isVisible());
    Choose("modelList", 1);
    QTest::keyClick(&List("modelList"), Qt::Key_Return);
    EXPECT_EQ(dialog->focusWidget(), &List("freqList"));
    ASSERT_EQ(List("freqList").count(), 3);
    Choose("freqList", 1);
    QTest::keyClick(&List("freqList"), Qt::Key_Enter);
    EXPECT_EQ(dialog->focusWidget(), &List("modelList"));
    EXPECT_TRUE(messenger.Shown().empty()) << "Enter on a list is no OK";

    messenger.Answer(MessageAnswer::Cancel);
    Click(*dialog, "OK");
    EXPECT_TRUE(dialog->isVisible());
    Click(*dialog, "OK");
    EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{kModelChangeQuestion, kModelChangeQuestion}));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(session.image.ModelString(), "MDL1B");
    EXPECT_EQ(session.image.RangeCode(), 0x23);
}

TEST_F(ModelDialogTest, EveryWayOfCancellingRestoresEveryByte) {
    const std::pair<const char*, std::function<void(ModelDialog&)>> ways[] = {
        {"Cancel button", [](ModelDialog& d) { Click(d, "Cancel"); }},
        {"Enter on Cancel",
         [](ModelDialog& d) { QTest::keyClick(ButtonLabelled(d, "Cancel"), Qt::Key_Return); }},
        {"Escape", [](ModelDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const auto& [way, cancel] : ways) {
        Open("MDL2A", true);
        Choose("modelList", 0);
        ASSERT_TRUE(HiddenFunctions().isVisible()) << way;
        Click(*dialog, HiddenFunctions().text());
        ASSERT_NE(session.image.HiddenFunctionsEnabled(), before.HiddenFunctionsEnabled()) << way;
        cancel(*dialog);
        EXPECT_FALSE(dialog->isVisible()) << way;
        EXPECT_EQ(session.image, before) << way;
        EXPECT_TRUE(messenger.Shown().empty()) << way;
    }
}

class PortDialogTest : public ::testing::Test {
protected:
    void Open(uint8_t storedPort) {
        dialog.reset();
        port.SetDevicePath({});
        port.SetPortNumber(storedPort);
        rules = std::make_unique<PortDialogRules>(port);
        dialog = std::make_unique<PortDialog>(*rules, ShippedTexts(), nullptr, detected);
        dialog->show();
    }

    MemorySerialPair pair;
    SerialPort port{pair.First(), [](uint8_t n) { return "/dev/mapped" + std::to_string(n); }};
    std::vector<transport::DetectedPort> detected = {{"/dev/ttyS1", "", ""},
                                                     {"/dev/ttyUSB0", "USB serial adapter", "maker"},
                                                     {"/dev/ttyS0", "", ""},
                                                     {"/dev/ttyACM0", "", ""},
                                                     {"/dev/ttyUSB1", "", ""}};
    std::unique_ptr<PortDialogRules> rules;
    std::unique_ptr<PortDialog> dialog;
};

TEST_F(PortDialogTest, EachPortShowsItsDeviceAndAStoredPortBeyondTheFourSelectsCom1) {
    Open(7);
    QStringList choices;
    for (const QRadioButton* button : dialog->findChildren<QRadioButton*>())
        choices.push_back(button->text());
    EXPECT_EQ(choices,
              (QStringList{"COM1 \u2014 /dev/ttyUSB0 (USB serial adapter)", "COM2 \u2014 /dev/ttyUSB1",
                           "COM3 \u2014 /dev/ttyACM0", "COM4 \u2014 /dev/ttyS0", "/dev/ttyS1",
                           "Virtual radio", ""})); // the last beside the field for a typed path
    EXPECT_TRUE(ButtonLabelled(*dialog, "COM1")->isChecked());
    QTest::keyClicks(dialog->findChild<QLineEdit*>("typedPath"), " ");
    EXPECT_TRUE(ButtonLabelled(*dialog, "")->isChecked());
    EXPECT_FALSE(ButtonLabelled(*dialog, "OK")->isEnabled()) << "a blank typed path";
}

TEST_F(PortDialogTest, OkPointsThePortAtTheChoiceAndCancelKeepsIt) {
    const struct {
        const char* choice; // null: the path is typed
        const char* button;
        uint8_t portNumber;
        const char* devicePath;
    } cases[] = {
        {"COM3", "OK", 3, "/dev/mapped3"},     {"Virtual radio", "OK", 2, "Virtual radio"},
        {"/dev/ttyS1", "OK", 2, "/dev/ttyS1"}, {nullptr, "OK", 2, "/dev/ttyAMA0"},
        {"COM4", "Cancel", 2, "/dev/mapped2"},
    };
    for (const auto& c : cases) {
        const char* name = c.choice != nullptr ? c.choice : "typed";
        Open(2);
        if (c.choice != nullptr)
            Click(*dialog, c.choice);
        else
            QTest::keyClicks(dialog->findChild<QLineEdit*>("typedPath"), " /dev/ttyAMA0 ");
        Click(*dialog, c.button);
        EXPECT_EQ(port.PortNumber(), c.portNumber) << name;
        EXPECT_EQ(port.DevicePath(), c.devicePath) << name;
    }
}

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

TEST(OpenDataFileDialogTest, PreviewsTheEmbeddedMessageOfTheSelectedFile) {
    const test::TempDir folder;
    RadioImage image;
    image.FillAll(0xFF);
    for (const auto& [address, text] : {std::pair{0x300, "HELLO"}, std::pair{0x320, "RADIO 7"}})
        std::copy_n(text, std::strlen(text), image.Bytes().begin() + address);
    folder.Write("hello.dat", SerialiseDataFile(image));
    folder.Write("broken.dat", std::string("XX7150 not a data file"));
    folder.Write("notes.txt", std::string("RZ7150 notes"));
    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, ShippedTexts()};
    const Document document{session, notifier};
    OpenDataFileDialog dialog(nullptr, ShippedTexts(), document, folder.Path().string(), QFont());
    dialog.show();
    auto* files = dialog.findChild<QListView*>("listView");
    auto* first = dialog.findChild<QLineEdit*>("previewFirstLine");
    auto* second = dialog.findChild<QLineEdit*>("previewSecondLine");
    ASSERT_TRUE(files && first && second);
    const struct {
        const char* file;
        const char* first;
        const char* second;
    } selections[] = {
        {"hello.dat", "HELLO", "RADIO 7"},
        {"notes.txt", "HELLO", "RADIO 7"}, // not a data file name: the preview stays
        {"broken.dat", "", ""},
    };
    for (const auto& s : selections) {
        files->setCurrentIndex(
            dialog.findChild<QFileSystemModel*>()->index(QString::fromStdString((folder / s.file).string())));
        EXPECT_EQ(first->text(), QString::fromLatin1(s.first)) << s.file;
        EXPECT_EQ(second->text(), QString::fromLatin1(s.second)) << s.file;
    }
}

TEST(SaveAsDialogTest, GivesThePathWithTheDataFileSuffix) {
    const test::TempDir folder;
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept(); // what its Save button does
    });
    EXPECT_EQ(GetSaveAsPath(nullptr, ShippedTexts(), folder.Path().string(), "Site2"),
              (folder / "Site2.dat").string());
}

// Counts the presses that reach it, and the runs of its shortcut's command.
class PressTarget : public QWidget {
public:
    PressTarget() {
        new QShortcut(Qt::Key_F5, this, [this] { ++arrived; });
        show();
    }
    int arrived = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress)
            ++arrived;
        return QWidget::event(e);
    }
};

TEST(SplashWindowTest, GoesAwayByItselfWhenItsTimeIsUp) {
    const QPointer<SplashWindow> splash = new SplashWindow(ShippedTexts(), std::chrono::milliseconds(1));
    splash->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }));
}

TEST(SplashWindowTest, TheFirstPressAnywhereClosesItAndIsSwallowed) {
    const struct {
        const char* name;
        std::function<void(QWidget&)> press;
    } cases[] = {
        {"key", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_A); }},
        {"mouse button", [](QWidget& w) { QTest::mouseClick(&w, Qt::RightButton); }},
        {"shortcut key", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_F5); }},
    };
    for (const auto& c : cases) {
        PressTarget target;
        const QPointer<SplashWindow> splash = new SplashWindow(ShippedTexts(), std::chrono::hours(1));
        splash->show();
        // The offscreen platform activates every window shown, the splash too.
        target.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&target));
        QTest::mouseMove(&target);
        QTest::keyRelease(&target, Qt::Key_B);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_FALSE(splash.isNull()) << c.name << ": only presses count";

        c.press(target);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(splash.isNull()) << c.name;
        EXPECT_EQ(target.arrived, 0) << c.name;

        c.press(target);
        EXPECT_EQ(target.arrived, 1) << c.name << ": later presses arrive";
        delete splash.data(); // one left open would swallow the presses of the tests after it
    }
}

} // namespace
} // namespace rpx::gui
