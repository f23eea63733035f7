// Read and Write against the Virtual radio, run the way the main window runs them: on a worker
// thread, with the operation's windows shown and answered on the window thread.
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

#include "core/link/radio_link.h"
#include "core/link/serial_port.h"
#include "core/link/transfer_commands.h"
#include "gui/app/on_gui_thread.h"
#include "gui/link/data_password_view.h"
#include "gui/link/gui_link_ui.h"
#include "gui/link/link_runner.h"
#include "gui/link/progress_window.h"
#include "gui/link/radio_port_device.h"
#include "gui/link/wait_window.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"
#include "transport/port_discovery.h"

namespace rpx::gui {
namespace {

using std::chrono::milliseconds;

constexpr TextId kReadQuestion = 3003001;
constexpr TextId kReadDone = 3003049;
constexpr TextId kWriteQuestion = 3003003;
constexpr TextId kWriteDone = 3003051;
constexpr TextId kWrongPassword = 3003029;

// Every area a write sends holds bytes that tell image and address apart; the rest (identity,
// areas a write leaves alone) stays as a new radio has it, so both sides agree there.
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

// What the progress window showed when a block had gone.
struct ProgressSight {
    QString title;
    int maximum = 0;
    int value = 0;
    bool visible = false;
};

// Looks at the real progress window each time the operation moves the bar.
class WatchedLinkUi : public GuiLinkUi {
public:
    explicit WatchedLinkUi(QWidget* window)
        : GuiLinkUi(window, test::ShippedTexts(), FixedFont()), m_window(window) {}

    void SetProgress(int position) override {
        GuiLinkUi::SetProgress(position);
        OnGuiThread([&] {
            const auto* window = m_window->findChild<ProgressWindow*>();
            const auto* bar = window != nullptr ? window->findChild<QProgressBar*>() : nullptr;
            if (bar == nullptr)
                sights.push_back({});
            else
                sights.push_back({window->windowTitle(), bar->maximum(), bar->value(), window->isVisible()});
        });
    }

    // Written on the window thread while the operation waits for it.
    std::vector<ProgressSight> sights;

private:
    QWidget* m_window;
};

// The program's side of the radio port, put together as the application does it.
struct OperationRig {
    static constexpr LinkTiming kQuick{milliseconds(0), milliseconds(0), milliseconds(300), milliseconds(0)};

    explicit OperationRig(sim::RadioSetup radio = {}) : device(std::move(radio)) {
        port.SetDevicePath(std::string(sim::kVirtualRadioPort));
        window.show();
    }

    sim::SimulatedRadio& Radio() { return device.InProcessRadio().Radio(); }
    bool Run(bool (TransferCommands::*command)()) {
        return runner.Run(&window, [&] { (commands.*command)(); });
    }

    QWidget window;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::ShippedTexts()};
    Session session;
    WatchedLinkUi ui{&window};
    RadioPortDevice device;
    SerialPort port{device, transport::PathOfDetectedPort};
    RadioLink link{port, session, notifier, ui, kQuick};
    TransferCommands commands{link, session, notifier};
    LinkRunner runner;
};

struct TransferCase {
    const char* name;
    bool (TransferCommands::*command)();
    QString progressTitle;
    std::vector<TextId> messages;
};

TEST(RadioOperation, TransfersMoveTheProgressBarAndLeaveImageAndRadioEqual) {
    const TransferCase cases[] = {
        {"read", &TransferCommands::OnProgramRead, "Reading from Radio", {kReadQuestion, kReadDone}},
        {"write", &TransferCommands::OnProgramWrite, "Writing to Radio", {kWriteQuestion, kWriteDone}},
    };
    for (const TransferCase& c : cases) {
        sim::RadioSetup radio;
        radio.image = DistinctImage(1);
        OperationRig rig(radio);
        rig.session.image = DistinctImage(2);
        const RadioImage expected =
            c.command == &TransferCommands::OnProgramRead ? radio.image : rig.session.image;

        ASSERT_TRUE(rig.Run(c.command)) << c.name;

        EXPECT_EQ(rig.messenger.ShownIds(), c.messages) << c.name;
        EXPECT_EQ(rig.session.image, expected) << c.name;
        EXPECT_EQ(rig.Radio().Memory(), expected) << c.name;
        ASSERT_FALSE(rig.ui.sights.empty()) << c.name;
        int last = 0;
        for (const ProgressSight& sight : rig.ui.sights) {
            EXPECT_EQ(sight.title, c.progressTitle) << c.name;
            EXPECT_EQ(sight.maximum, 2048) << c.name;
            EXPECT_TRUE(sight.visible) << c.name;
            EXPECT_GT(sight.value, last) << c.name;
            last = sight.value;
        }
        EXPECT_EQ(last, 2048) << c.name;
        EXPECT_EQ(rig.window.findChild<ProgressWindow*>(), nullptr) << c.name << ": left behind";
    }
}

TEST(RadioOperation, VirtualRadioKeepsItsMemoryBetweenOperations) {
    OperationRig rig;
    const RadioImage written = DistinctImage(3);
    rig.session.image = written;
    ASSERT_TRUE(rig.Run(&TransferCommands::OnProgramWrite));
    rig.session.image = DistinctImage(4);

    ASSERT_TRUE(rig.Run(&TransferCommands::OnProgramRead));

    EXPECT_EQ(rig.session.image, written);
}

TEST(RadioOperation, RadioPortOpensASerialDeviceForAnyOtherPath) {
    RadioPortDevice device;
    EXPECT_FALSE(device.Open("/nonexistent/ttyRPX"));
    EXPECT_FALSE(device.ErrorText().empty());
    EXPECT_EQ(device.BytesWaiting(), -1);

    ASSERT_TRUE(device.Open(std::string(sim::kVirtualRadioPort)));
    EXPECT_TRUE(device.IsOpen());
    EXPECT_EQ(device.BytesWaiting(), 0);
    device.Close();
    EXPECT_FALSE(device.IsOpen());
}

// One answer to the data password dialog: a typed password and OK, or Cancel (none).
using PasswordStep = std::optional<QString>;

// What the data password dialog showed, and how it stood after a step.
struct PasswordSight {
    QString title;
    QString line1;
    QString line2;
    bool fixedPitchLines = true;
    bool openAfterStep = false;
    bool focusInPassword = false;
};

// Answers the data password dialog from the window thread while the read waits for it.
class PasswordAnswerer {
public:
    explicit PasswordAnswerer(std::vector<PasswordStep> steps) : m_steps(steps.begin(), steps.end()) {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Answer(); });
        m_timer.start();
    }

    std::vector<PasswordSight> sights;
    bool leftOpen = false;
    std::size_t StepsLeft() const { return m_steps.size(); }

private:
    void Answer() {
        QPointer<DataPasswordView> view = qobject_cast<DataPasswordView*>(QApplication::activeModalWidget());
        if (view == nullptr)
            return;
        if (m_steps.empty()) {
            leftOpen = true; // the dialog should have gone; close it so the read can end
            view->reject();
            return;
        }
        const PasswordStep step = m_steps.front();
        m_steps.pop_front();

        PasswordSight sight;
        sight.title = view->windowTitle();
        QLineEdit* password = nullptr;
        QStringList lines;
        for (QLineEdit* edit : view->findChildren<QLineEdit*>()) {
            if (edit->echoMode() == QLineEdit::Password) {
                password = edit;
            } else {
                lines << edit->text();
                sight.fixedPitchLines =
                    sight.fixedPitchLines && edit->font().family() == FixedFont().family();
            }
        }
        ASSERT_NE(password, nullptr);
        ASSERT_EQ(lines.size(), 2);
        sight.line1 = lines[0];
        sight.line2 = lines[1];

        const QString button = step ? "OK" : "Cancel";
        if (step)
            QTest::keyClicks(password, *step);
        for (QPushButton* b : view->findChildren<QPushButton*>())
            if (b->text() == button)
                QTest::mouseClick(b, Qt::LeftButton);
        sight.openAfterStep = view != nullptr && view->isVisible();
        sight.focusInPassword = view != nullptr && view->focusWidget() == password;
        sights.push_back(sight);
    }

    std::deque<PasswordStep> m_steps;
    QTimer m_timer;
};

struct PasswordCase {
    const char* name;
    std::vector<PasswordStep> steps;
    bool read;
    std::vector<TextId> messages;
};

TEST(RadioOperation, DataPasswordDialogLetsTheReadGoOnlyWithTheRightPassword) {
    const PasswordCase cases[] = {
        {"right at once", {"1234"}, true, {kReadQuestion, kReadDone}},
        {"wrong, then right", {"4321", "1234"}, true, {kReadQuestion, kWrongPassword, kReadDone}},
        {"cancel", {std::nullopt}, false, {kReadQuestion}},
        {"wrong, then cancel", {"12", std::nullopt}, false, {kReadQuestion, kWrongPassword}},
    };
    for (const PasswordCase& c : cases) {
        sim::RadioSetup radio;
        radio.image = DistinctImage(5);
        radio.dataPassword = "1234";
        radio.messageLines = {"FLEET SEVEN", "CALL DEPOT"};
        OperationRig rig(radio);
        const RadioImage before = rig.session.image;
        PasswordAnswerer answerer(c.steps);

        ASSERT_TRUE(rig.Run(&TransferCommands::OnProgramRead)) << c.name;

        EXPECT_EQ(rig.messenger.ShownIds(), c.messages) << c.name;
        EXPECT_EQ(rig.session.image, c.read ? rig.Radio().Memory() : before) << c.name;
        EXPECT_EQ(answerer.StepsLeft(), 0u) << c.name;
        EXPECT_FALSE(answerer.leftOpen) << c.name;
        ASSERT_EQ(answerer.sights.size(), c.steps.size()) << c.name;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const PasswordSight& sight = answerer.sights[i];
            EXPECT_EQ(sight.title, "Data Password") << c.name;
            EXPECT_EQ(sight.line1, "FLEET SEVEN") << c.name;
            EXPECT_EQ(sight.line2, "CALL DEPOT") << c.name;
            EXPECT_TRUE(sight.fixedPitchLines) << c.name;
            const bool last = i + 1 == c.steps.size();
            EXPECT_EQ(sight.openAfterStep, !last) << c.name << " step " << i;
            if (!last) {
                EXPECT_TRUE(sight.focusInPassword) << c.name << " step " << i;
            }
        }
    }
}

TEST(RadioOperation, WaitWindowShowsItsTextUntilClosed) {
    QWidget window;
    GuiLinkUi ui(&window, test::ShippedTexts(), FixedFont());
    LinkRunner runner;
    QString title;
    QString text;
    bool goneAfterClose = false;

    runner.Run(&window, [&] {
        ui.ShowWaitWindow(1001055, 3003007);
        OnGuiThread([&] {
            const auto* wait = window.findChild<WaitWindow*>();
            ASSERT_NE(wait, nullptr);
            title = wait->windowTitle();
            text = wait->findChild<QLabel*>()->text();
        });
        ui.CloseWaitWindow();
        OnGuiThread([&] { goneAfterClose = window.findChild<WaitWindow*>() == nullptr; });
    });

    EXPECT_EQ(title, "Test Mode");
    EXPECT_EQ(text, "Reading test data from the radio. Please wait...");
    EXPECT_TRUE(goneAfterClose);
}

TEST(LinkRunner, RefusesASecondOperationWhileOneRuns) {
    QWidget window;
    LinkRunner runner;
    bool running = false;
    bool secondAccepted = true;
    bool secondRan = false;

    EXPECT_TRUE(runner.Run(&window, [&] {
        OnGuiThread([&] {
            running = runner.Running();
            secondAccepted = runner.Run(&window, [&] { secondRan = true; });
        });
    }));

    EXPECT_TRUE(running);
    EXPECT_FALSE(secondAccepted);
    EXPECT_FALSE(secondRan);
    EXPECT_FALSE(runner.Running());
    EXPECT_TRUE(runner.Run(&window, [&] { secondRan = true; }));
    EXPECT_TRUE(secondRan);
}

TEST(LinkRunner, BlocksTheWindowWhileRunningAndGivesItBackWithItsFocus) {
    QWidget window;
    auto* field = new QLineEdit(&window);
    new QLineEdit(&window);
    window.show();
    field->setFocus();
    LinkRunner runner;
    bool enabledDuring = true;
    bool openAfterClose = false;
    bool newWindowUsable = false;

    runner.Run(&window, [&] {
        OnGuiThread([&] {
            enabledDuring = window.isEnabled();
            window.close();
            openAfterClose = window.isVisible();
            const QDialog opened(&window);
            newWindowUsable = opened.isEnabled();
        });
    });

    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(openAfterClose);
    EXPECT_TRUE(newWindowUsable);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(window.focusWidget(), field);
    window.close();
    EXPECT_FALSE(window.isVisible());
}

TEST(LinkRunner, ThrowsTheOperationsFailureOnTheWindowThreadAndRecovers) {
    QWidget window;
    LinkRunner runner;

    EXPECT_THROW(runner.Run(&window, [] { throw std::runtime_error("line lost"); }), std::runtime_error);

    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(runner.Running());
    bool ran = false;
    EXPECT_TRUE(runner.Run(&window, [&] { ran = true; }));
    EXPECT_TRUE(ran);
}

} // namespace
} // namespace rpx::gui
