#include "core/link/test_mode_session.h"

#include "core/link/check_test_channels.h"
#include "core/link/test_mode_radio.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kTestModeTitle = 1001055;
constexpr TextId kReadingTestData = 3003007;
constexpr TextId kTestChannelsDiffer = 3003009;

constexpr const char* kEnterTestMode = "TUNING ";

} // namespace

void TestModeSession::OnProgramTest(const TestDialogRunner& runTestDialog) {
    for (bool again = false;; again = true) {
        const Entry entry = Enter(again);
        if (entry == Entry::Ready)
            RunTestDialog(runTestDialog);
        if (entry == Entry::Ended || !m_link.RetryRequested())
            break;
    }
    m_link.SetTesting(false);
    m_link.Port().SetOpen(false);
}

TestModeSession::Entry TestModeSession::Enter(bool again) {
    // Only a Retry of this command leads here again; a flag left by another command does not.
    if (again) {
        m_link.SendByte(link::kEnd);
        m_link.SendByte(link::kEnd);
        m_link.Sleep(m_link.Timing().retrySettle);
    }
    m_link.SetRetryRequested(false);
    m_link.SetTesting(true);
    m_link.OpenRadioLink();
    m_link.Sleep(m_link.Timing().openSettle);
    if (m_link.PortFailed())
        return Entry::Ended;

    m_link.Port().PurgeInput();
    m_link.Port().WriteString(kEnterTestMode);
    m_link.WaitAck();
    if (!m_link.ReplyReady())
        return Entry::Stopped;

    m_link.ReadIdentification();
    // A refusal has sent "E" and closed the port; the flag alone may be left from another command.
    if (m_link.RadioRefused() && !m_link.Port().IsOpen())
        return Entry::Ended;
    if (!m_link.ReplyReady())
        return Entry::Stopped;

    m_ui.ShowWaitWindow(kTestModeTitle, kReadingTestData);
    if (!ReadAdjustments())
        return Entry::Stopped;

    const TestChannelCheck check = CheckTestChannels(m_link, m_image);
    if (check == TestChannelCheck::Failed)
        return Entry::Stopped;
    if (check == TestChannelCheck::Differ) {
        m_link.Port().PurgeInput();
        m_link.SendByte(link::kEnd);
        m_ui.CloseWaitWindow();
        m_notifier.Show(kTestChannelsDiffer, txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
        return Entry::Stopped;
    }
    m_ui.CloseWaitWindow();
    return Entry::Ready;
}

bool TestModeSession::ReadAdjustments() {
    m_link.SendByte(link::kTestMode);
    m_link.WaitForBytes(TestModeState::kReportedAdjustments);
    if (!m_link.ReplyReady()) {
        m_link.ReportCommError();
        return false;
    }
    m_link.ReadReply(TestModeState::kReportedAdjustments);
    // Taken before the acknowledgement, whose reply lands in the same buffer.
    m_state.TakeAdjustments(m_link.Reply());
    m_link.ExchangeAck();
    return m_link.ReplyReady() && !m_link.TimedOut();
}

void TestModeSession::RunTestDialog(const TestDialogRunner& runTestDialog) {
    TestModeRadio radio(m_link, m_notifier, m_state);
    TestDialogRules rules(radio, m_image, m_notifier.Texts());
    runTestDialog(rules);
    // Closing the dialog leaves test mode, however it closed.
    radio.Leave();
}

} // namespace rpx
