// Program > Test and Edit > Test frequency through their windows, against the Virtual radio: the
// command runs on a worker thread as the window runs it, and so does every request of its dialogs.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <thread>

#include "core/radio/bcd_frequency.h"
#include "core/radio/image_defaults.h"
#include "gui/app/qt_text.h"
#include "gui/features/test_frequency_dialog.h"
#include "gui/link/test_dialog.h"
#include "gui/link/tuning_dialog.h"
#include "tests/gui/virtual_radio_rig.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

using Step = std::function<bool()>; // acts and says true once its window is up and idle

// Works the windows as a user would, one step at a time from the event loop while the command
// runs. A step that opens a window returns only when it closes; the next steps go on meanwhile.
class User : public QObject {
public:
    explicit User(std::vector<Step> steps) : m_steps(steps.begin(), steps.end()) { Schedule(); }
    bool Done() const { return m_steps.empty(); }

private:
    static constexpr int kPatience = 2000; // ticks (about ten seconds) before the windows are closed

    void Schedule() { QTimer::singleShot(5, this, &User::Tick); }
    void Tick() {
        Schedule();
        if (++m_ticks > kPatience) {
            ADD_FAILURE() << m_steps.size() << " steps were never taken";
            m_steps.clear();
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        if (m_steps.empty())
            return;
        const Step step = m_steps.front();
        m_steps.pop_front();
        if (!step())
            m_steps.push_front(step);
    }

    std::deque<Step> m_steps;
    int m_ticks = 0;
};

// The dialog of type D when it is the window in front and no request of its own runs.
template <class D> D* Ready() {
    auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
    return dialog != nullptr && dialog->isEnabled() ? dialog : nullptr;
}

template <class W> W* Child(QWidget* dialog, const char* name) {
    W* child = dialog->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

void Click(QWidget* dialog, const char* button) {
    QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
}

// The command of the window's Program > Test.
struct TestModeRig : VirtualRadioRig {
    explicit TestModeRig(sim::RadioSetup radio = {}) : VirtualRadioRig(std::move(radio)) {
        session.image = sim::NewRadioImage(); // the radio's own test channels
    }
    // Whether the test dialog ran.
    bool RunProgramTest(std::vector<Step> steps) {
        User user(std::move(steps));
        const bool ran = gui::RunProgramTest(runner, &window, link, session.image, state);
        EXPECT_TRUE(user.Done());
        return ran;
    }
    // What the radio was asked after test mode was entered, acknowledgements left out, once it has
    // taken in the "E" that ends test mode.
    std::vector<sim::Bytes> RequestsInTestMode() {
        sim::SimulatedRadio& radio = Radio();
        for (int i = 0; i < 200 && radio.Requests().back() != sim::Bytes{0x45}; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const std::vector<sim::Bytes> all = radio.Requests();
        const auto lastChannel = std::find(all.rbegin(), all.rend(), sim::Bytes{0x10, 16});
        std::vector<sim::Bytes> requests;
        for (auto it = lastChannel.base(); it != all.end(); ++it)
            if (*it != sim::Bytes{0x06})
                requests.push_back(*it);
        return requests;
    }

    TestModeState state;
};

TEST(TestModeWindows, PttTwiceKeysThenReleasesTheTransmitterWithItsIndicators) {
    TestModeRig rig;
    std::vector<bool> transmitting;
    const auto look = [&](QWidget* dialog) {
        transmitting.push_back(Child<QLabel>(dialog, "transmitting")->isVisibleTo(dialog) &&
                               !Child<QLabel>(dialog, "receiving")->isVisibleTo(dialog) &&
                               !Child<QSpinBox>(dialog, "volume")->isEnabled());
    };
    QStringList channels;
    const bool ran = rig.RunProgramTest({
        [&] {
            auto* dialog = Ready<TestDialog>();
            if (dialog == nullptr)
                return false;
            for (int i = 0; i < Child<QComboBox>(dialog, "testChannel")->count(); ++i)
                channels << Child<QComboBox>(dialog, "testChannel")->itemText(i);
            look(dialog);
            Click(dialog, "ptt");
            return true;
        },
        [&] {
            auto* dialog = Ready<TestDialog>();
            if (dialog == nullptr)
                return false;
            look(dialog);
            Click(dialog, "ptt");
            look(dialog);
            Click(dialog, "exit");
            return true;
        },
    });
    EXPECT_TRUE(ran);
    EXPECT_EQ(channels, (QStringList{"1", "2", "3", "4", "5", "6"})) << "the band's six test channels";
    EXPECT_EQ(transmitting, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(rig.RequestsInTestMode(), (std::vector<sim::Bytes>{{0x08, 0x0D}, {0x08, 0x0E}, {0x45}}));
    EXPECT_TRUE(rig.messenger.Shown().empty());
}

TEST(TestModeWindows, ARadioWithOtherTestChannelsIsRefusedAndLeavesTestMode) {
    sim::RadioSetup radio;
    radio.testChannels.emplace().fill(0xFF);
    TestModeRig rig(radio);
    EXPECT_FALSE(rig.RunProgramTest({}));
    EXPECT_EQ(rig.messenger.ShownIds(), std::vector<TextId>{3003009});
    EXPECT_EQ(rig.RequestsInTestMode(), std::vector<sim::Bytes>{{0x45}});
}

TEST(TestModeWindows, AMissingReplyCancelledClosesTheDialog) {
    sim::RadioSetup radio;
    // The replies of entering test mode, then the one to PTT.
    radio.faults = {{sim::FaultKind::SlowReply, 38}};
    TestModeRig rig(radio);
    rig.messenger.Answer(MessageAnswer::Cancel);
    rig.RunProgramTest({[&] {
        auto* dialog = Ready<TestDialog>();
        if (dialog != nullptr)
            Click(dialog, "ptt");
        return dialog != nullptr;
    }});
    EXPECT_EQ(rig.messenger.ShownIds(), std::vector<TextId>{3003005});
    EXPECT_EQ(rig.RequestsInTestMode(), (std::vector<sim::Bytes>{{0x08, 0x0D}, {0x45}}));
}

TEST(TestModeWindows, TuningSendsEachValueAndCancelRestoresEveryPoint) {
    TestModeRig rig;
    const sim::AdjustmentTable read = sim::DefaultAdjustments();
    QStringList tabs;
    QString title;
    rig.RunProgramTest({
        [&] {
            auto* dialog = Ready<TestDialog>();
            if (dialog == nullptr)
                return false;
            Child<QListWidget>(dialog, "tuningItems")->setCurrentRow(1); // high power, code 18
            Click(dialog, "tuningMode");
            return true;
        },
        [&] {
            auto* dialog = Ready<TuningDialog>();
            if (dialog == nullptr)
                return false;
            title = dialog->windowTitle();
            auto* points = Child<QTabWidget>(dialog, "points");
            for (int i = 0; i < points->count(); ++i)
                tabs << points->tabText(i);
            points->currentWidget()->findChild<QSpinBox*>("value")->setValue(read[10] + 3);
            EXPECT_EQ(points->currentWidget()->findChild<QProgressBar*>("valueBar")->value(), read[10] + 3);
            points->setCurrentIndex(2);
            points->currentWidget()->findChild<QSlider*>("slider")->setValue(0x20);
            return true;
        },
        [&] {
            auto* dialog = Ready<TuningDialog>();
            if (dialog != nullptr)
                dialog->reject();
            return dialog != nullptr && !dialog->isVisible();
        },
        [&] {
            auto* dialog = Ready<TestDialog>();
            if (dialog != nullptr)
                Click(dialog, "exit");
            return dialog != nullptr;
        },
    });
    EXPECT_EQ(title, "High Power");
    EXPECT_EQ(tabs, (QStringList{"Main", "Low", "Low-Mid", "Center", "High-Mid", "High"}));
    std::vector<sim::Bytes> expected = {
        {0x05}, {18, 0x0D}, {18, 0x20, uint8_t(read[10] + 3)}, {51, 0x0D}, {51, 0x20, 0x20}};
    const uint8_t codes[] = {18, 48, 51, 49, 52, 50};
    for (std::size_t point = 0; point < std::size(codes); ++point)
        expected.insert(expected.end(), {{codes[point], 0x0D}, {codes[point], 0x20, read[10 + point]}});
    expected.insert(expected.end(), {{50, 0x0E}, {0x45}});
    EXPECT_EQ(rig.RequestsInTestMode(), expected);
    EXPECT_EQ(rig.Radio().TestState().adjustments, read);
}

TEST(TestModeWindows, AVolumeTheTuningDialogLeftOutOfRangeIsShownWithinZeroToThirtyOne) {
    TestModeRig rig;
    std::vector<std::pair<int, int>> shown; // spin, bar
    std::vector<Step> steps;
    for (const int left : {40, -3}) {
        steps.push_back([&] {
            auto* dialog = Ready<TestDialog>();
            if (dialog != nullptr)
                Click(dialog, "tuningMode"); // the first item, one point
            return dialog != nullptr;
        });
        steps.push_back([&rig, left] {
            auto* dialog = Ready<TuningDialog>();
            if (dialog == nullptr)
                return false;
            rig.state.volume = left;
            dialog->accept();
            return true;
        });
        steps.push_back([&] {
            auto* dialog = Ready<TestDialog>();
            if (dialog != nullptr)
                shown.emplace_back(Child<QSpinBox>(dialog, "volume")->value(),
                                   Child<QProgressBar>(dialog, "volumeBar")->value());
            return dialog != nullptr;
        });
    }
    steps.push_back([&] {
        auto* dialog = Ready<TestDialog>();
        if (dialog != nullptr)
            Click(dialog, "exit");
        return dialog != nullptr;
    });
    rig.RunProgramTest(steps);
    EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{{31, 31}, {0, 0}}));
}

TEST(TestFrequencyWindow, EmptyingEveryFieldRefillsTheBandDefaultsAndCancelPutsTheTableBack) {
    test::ScriptedMessenger messenger;
    Notifier notifier(messenger, test::ShippedTexts());
    Session session;
    session.image = sim::NewRadioImage();
    const RadioImage before = session.image;
    RadioImage defaults = before;
    defaults.Fill(0x280, 0x80, 0xFF);
    ApplyBandTestFrequencies(defaults);
    {
        TestFrequencyRules rules(session, notifier);
        TestFrequencyDialog dialog(rules, notifier.Texts(), nullptr);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        // Typed into record 9 first, then every field emptied in turn.
        FrequencyEdit* previous = &dialog.Field(9, Direction::Rx);
        previous->setFocus();
        QTest::keyClicks(previous, "455");
        for (int record = 1; record <= TestFrequencyRules::kRecords; ++record)
            for (const Direction direction : {Direction::Rx, Direction::Tx}) {
                FrequencyEdit& field = dialog.Field(record, direction);
                field.setFocus(); // the previous field is stored as it loses the focus
                field.selectAll();
                QTest::keyClick(&field, Qt::Key_Backspace);
            }
        dialog.Field(1, Direction::Rx).setFocus();
        for (int record = 1; record <= TestFrequencyRules::kRecords; ++record)
            for (const Direction direction : {Direction::Rx, Direction::Tx})
                EXPECT_EQ(
                    FromQt(dialog.Field(record, direction).text()),
                    bcd::FrequencyText(defaults, TestFrequencyRules::FrequencyOffset(record, direction)))
                    << record;
        dialog.Field(1, Direction::Rx).selectAll();
        QTest::keyClicks(&dialog.Field(1, Direction::Rx), "470");
        dialog.Field(2, Direction::Rx).setFocus();
        EXPECT_EQ(bcd::FrequencyText(session.image, 0x280), "470.00000");
        dialog.reject();
    }
    EXPECT_EQ(session.image, before);
    EXPECT_TRUE(messenger.Shown().empty());
}

} // namespace
} // namespace rpx::gui
