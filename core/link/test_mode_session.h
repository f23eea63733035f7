#pragma once

#include <functional>

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

    TestModeSession(RadioLink& radio, const RadioImage& image, TestModeState& state)
        : m_radio(radio), m_image(image), m_state(state) {}

    // The whole command; the port is closed when it returns. True when the radio's tuning data were
    // read and the test dialog ran (the record of those data can then be printed).
    bool OnProgramTest(const TestDialogRunner& runTestDialog);
    // True while the command runs.
    bool Testing() const { return m_testing; }

private:
    // Test mode up to the test dialog; Done when the dialog is to run.
    StepResult Enter(bool again);
    void RunTestDialog(const TestDialogRunner& runTestDialog);

    RadioLink& m_radio;
    const RadioImage& m_image;
    TestModeState& m_state;
    bool m_testing = false;
};

} // namespace rpx
