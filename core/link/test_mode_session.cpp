#include "core/link/test_mode_session.h"

#include <utility>

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

bool TestModeSession::OnProgramTest(const TestDialogRunner& runTestDialog) {
    LinkSession& link = m_radio.Link();
    m_testing = true;
    bool again = false;
    bool ran = false;
    link.WithRetry([&] {
        const StepResult entered = Enter(std::exchange(again, true));
        if (entered == StepResult::Done) {
            RunTestDialog(runTestDialog);
            ran = true;
        }
        return entered;
    });
    m_testing = false;
    link.Close();
    return ran;
}

StepResult TestModeSession::Enter(bool again) {
    LinkSession& link = m_radio.Link();
    // Only a Retry of this command leads here again.
    if (again) {
        link.SendByte(link::kEnd);
        link.SendByte(link::kEnd);
        link.Sleep(link.Timing().retrySettle);
    }
    if (!link.OpenRadioLink())
        return StepResult::Failed;
    link.Sleep(link.Timing().openSettle);

    link.Port().PurgeInput();
    if (!link.SendString(kEnterTestMode) || !link.WaitAck())
        return StepResult::NoReply;
    if (const StepResult identified = m_radio.Identify(); identified != StepResult::Done)
        return identified;

    link.Ui().ShowWaitWindow(kTestModeTitle, kReadingTestData);
    const uint8_t request[] = {link::kTestMode};
    const auto reply = link.Request(request, link::kAdjustmentReply);
    const auto adjustments = reply ? ParseAdjustmentReply(*reply) : std::nullopt;
    if (!adjustments)
        return StepResult::NoReply;
    m_state.TakeAdjustments(*adjustments);
    if (!link.ExchangeAck())
        return StepResult::NoReply;

    const TestChannelCheck check = CheckTestChannels(link, m_image);
    if (check == TestChannelCheck::Failed)
        return StepResult::NoReply;
    if (check == TestChannelCheck::Differ) {
        link.Port().PurgeInput();
        link.SendByte(link::kEnd);
        link.Ui().CloseWaitWindow();
        link.GetNotifier().Show(kTestChannelsDiffer, txt::kCaptionError, MessageButtons::Ok,
                                MessageIcon::Stop);
        return StepResult::Failed;
    }
    link.Ui().CloseWaitWindow();
    return StepResult::Done;
}

void TestModeSession::RunTestDialog(const TestDialogRunner& runTestDialog) {
    TestModeRadio radio(m_radio.Link(), m_state);
    TestDialogRules rules(radio, m_image, m_radio.Link().GetNotifier().Texts());
    runTestDialog(rules);
    // Closing the dialog leaves test mode, however it closed.
    radio.Leave();
}

} // namespace rpx
