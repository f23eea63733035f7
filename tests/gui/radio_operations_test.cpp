// Radio operations run the way the main window runs them: on a worker thread, with the operation's
// windows shown and answered on the window thread.
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <stdexcept>

#include "core/link/transfer_commands.h"
#include "gui/app/on_gui_thread.h"
#include "gui/link/data_password_view.h"
#include "gui/link/progress_window.h"
#include "gui/link/wait_window.h"
#include "tests/gui/virtual_radio_rig.h"

namespace rpx::gui {
namespace {

constexpr TextId kReadQuestion = 3003001;
constexpr TextId kReadDone = 3003049;
constexpr TextId kWrongPassword = 3003029;
constexpr TextId kReadingTitle = 1001053;

// A new radio's image with the channel and trunking areas telling their addresses apart, so that a
// read shows in them.
RadioImage DistinctImage(uint8_t seed) {
    RadioImage image = sim::NewRadioImage();
    for (std::size_t address = 0x020; address < 0x0D0; ++address)
        image.SetByte(address, static_cast<uint8_t>(address * 7 + seed));
    for (std::size_t address = 0x400; address < RadioImage::kSize; ++address)
        image.SetByte(address, static_cast<uint8_t>(address * 13 + seed));
    return image;
}

QFont FixedFont() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

// The operation window over the main window, as the user reads it.
QString ShownOver(const QWidget& window) {
    const QWidget* shown = window.findChild<ProgressWindow*>();
    QString text;
    if (shown != nullptr) {
        const auto* bar = shown->findChild<QProgressBar*>();
        text = shown->windowTitle() + QString(" %1/%2").arg(bar->value()).arg(bar->maximum());
    } else if ((shown = window.findChild<WaitWindow*>()) != nullptr) {
        text = shown->windowTitle() + ": " + shown->findChild<QLabel*>()->text();
    }
    return shown == nullptr || shown->isVisible() ? text : "hidden " + text;
}

// The transfer commands as the main window runs them.
struct OperationRig : VirtualRadioRig {
    using VirtualRadioRig::VirtualRadioRig;
    bool Run(bool (TransferCommands::*command)()) {
        return runner.Run(&window, [&] { (commands.*command)(); });
    }
    TransferCommands commands{link, session, notifier};
};

TEST(RadioOperation, ProgressAndWaitWindowsShowOverTheWindowUntilClosed) {
    QWidget window;
    window.show();
    GuiLinkUi ui(&window, test::ShippedTexts(), FixedFont());
    QStringList seen;
    const auto look = [&] { OnGuiThread([&] { seen << ShownOver(window); }); };
    LinkRunner().Run(&window, [&] {
        ui.ShowProgress(kReadingTitle, 2048);
        ui.SetProgress(1024);
        look();
        ui.CloseProgress();
        look();
        ui.ShowWaitWindow(1001055, 3003007);
        look();
        ui.CloseWaitWindow();
        look();
    });
    EXPECT_EQ(seen, (QStringList{"Reading from Radio 1024/2048", "",
                                 "Test Mode: Reading test data from the radio. Please wait...", ""}));
}

TEST(RadioOperation, DataPasswordDialogLetsTheReadGoOnlyWithTheRightPassword) {
    const struct {
        const char* name;
        std::vector<std::optional<QString>> steps; // a typed password and OK, or Cancel (none)
        std::vector<TextId> messages;
    } cases[] = {
        {"wrong, then right", {"4321", "1234"}, {kReadQuestion, kWrongPassword, kReadDone}},
        {"cancel", {std::nullopt}, {kReadQuestion}},
    };
    for (const auto& c : cases) {
        sim::RadioSetup radio;
        radio.image = DistinctImage(5);
        radio.dataPassword = "1234";
        radio.messageLines = {"FLEET SEVEN", "CALL DEPOT"};
        OperationRig rig(radio);
        const RadioImage before = rig.session.image;
        std::deque<std::optional<QString>> steps(c.steps.begin(), c.steps.end());
        // Answers the dialog from the window thread while the read waits for it.
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            const QPointer<DataPasswordView> view =
                qobject_cast<DataPasswordView*>(qApp->activeModalWidget());
            if (view == nullptr)
                return;
            if (steps.empty()) // it should have gone; close it so the read can end
                return view->reject();
            const std::optional<QString> step = steps.front();
            steps.pop_front();
            QLineEdit* password = nullptr;
            QStringList lines;
            for (QLineEdit* edit : view->findChildren<QLineEdit*>()) {
                if (edit->echoMode() == QLineEdit::Password)
                    password = edit;
                else if (edit->font().family() == FixedFont().family())
                    lines << edit->text();
            }
            EXPECT_EQ(lines, (QStringList{"FLEET SEVEN", "CALL DEPOT"})) << c.name;
            ASSERT_NE(password, nullptr);
            if (step)
                QTest::keyClicks(password, *step);
            for (QPushButton* button : view->findChildren<QPushButton*>())
                if (button->text() == (step ? "OK" : "Cancel"))
                    QTest::mouseClick(button, Qt::LeftButton);
            // Only a wrong password keeps it open, ready for the next try.
            EXPECT_EQ(view != nullptr && view->isVisible(), !steps.empty()) << c.name;
            EXPECT_TRUE(steps.empty() || view->focusWidget() == password) << c.name;
        });
        answerer.start(5);

        ASSERT_TRUE(rig.Run(&TransferCommands::OnProgramRead)) << c.name;

        EXPECT_EQ(rig.messenger.ShownIds(), c.messages) << c.name;
        EXPECT_EQ(rig.session.image, c.messages.back() == kReadDone ? rig.Radio().Memory() : before)
            << c.name;
        EXPECT_TRUE(steps.empty()) << c.name;
    }
}

TEST(LinkRunner, BlocksTheWindowAndRefusesASecondOperationUntilTheFirstEndsEvenByFailing) {
    QWidget window;
    auto* field = new QLineEdit(&window);
    new QLineEdit(&window);
    window.show();
    field->setFocus();
    LinkRunner runner;
    std::vector<bool> during;

    EXPECT_TRUE(runner.Run(&window, [&] {
        OnGuiThread([&] {
            window.close();
            // Running, window enabled, window still open, a window opened now usable, a second one run.
            during = {runner.Running(), window.isEnabled(), window.isVisible(), QDialog(&window).isEnabled(),
                      runner.Run(&window, [] {})};
        });
    }));

    EXPECT_EQ(during, (std::vector<bool>{true, false, true, true, false}));
    EXPECT_FALSE(runner.Running());
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(window.focusWidget(), field);
    EXPECT_THROW(runner.Run(&window, [] { throw std::runtime_error("line lost"); }), std::runtime_error);
    bool ran = false;
    EXPECT_TRUE(runner.Run(&window, [&] { ran = true; }));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(window.isEnabled());
    window.close();
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace rpx::gui
