#pragma once

#include <functional>

#include "core/app/notifier.h"
#include "core/link/link_ui.h"
#include "core/link/radio_link.h"
#include "core/link/test_mode_dialog_rules.h"
#include "core/link/test_mode_state.h"
#include "core/radio/radio_image.h"

namespace rpx {

// Program > Test: puts the radio into test mode, reads its adjustment values, makes sure its test
// channels are the image's, runs the test dialog and leaves test mode; all again from the start
// while the user answers Retry to a communication error.
class TestModeSession {
public:
    // Runs the test dialog modally; the dialog closes by returning.
    using TestDialogRunner = std::function<void(TestDialogRules&)>;

    TestModeSession(RadioLink& link, const RadioImage& image, Notifier& notifier, LinkUi& ui,
                    TestModeState& state)
        : m_link(link), m_image(image), m_notifier(notifier), m_ui(ui), m_state(state) {}

    // The whole command; the port is closed when it returns.
    void OnProgramTest(const TestDialogRunner& runTestDialog);

private:
    enum class Entry {
        Ready,   // the test dialog is to run
        Stopped, // see RetryRequested for another pass
        Ended,   // the port failed or the radio was refused: nothing more to do
    };

    Entry Enter(bool again);
    bool ReadAdjustments();
    void RunTestDialog(const TestDialogRunner& runTestDialog);

    RadioLink& m_link;
    const RadioImage& m_image;
    Notifier& m_notifier;
    LinkUi& m_ui;
    TestModeState& m_state;
};

} // namespace rpx
