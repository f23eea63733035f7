#include "core/link/link_session.h"

#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kCommError = 3003005;
constexpr TextId kPortCannotOpen = 3003059;

} // namespace

LinkSession::LinkSession(SerialPort& port, Notifier& notifier, LinkUi& ui, LinkTiming timing,
                         LinkClock& clock)
    : m_port(port), m_notifier(notifier), m_ui(ui), m_timing(timing), m_clock(clock) {}

Status LinkSession::OpenRadioLink() {
    if (m_port.SetOpen(true))
        return {};
    m_port.SetOpen(false); // a half-opened device
    const std::string path = m_port.DevicePath();
    const std::string reason = m_port.ErrorText();
    if (m_port.PermissionDenied())
        // Joining the serial-line group helps only where the device belongs to it.
        m_notifier.ShowFilled(m_port.LacksSerialGroup() ? txt::kPortPermission : txt::kPortNoAccess, path,
                              reason, txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
    else
        m_notifier.Show({kPortCannotOpen}, "", "\n\n" + path + "\n" + reason, txt::kCaptionError,
                        MessageButtons::Ok, MessageIcon::Stop);
    return Failure{path + ": " + reason};
}

void LinkSession::LeaveAndClose() {
    SendByte(link::kEnd);
    Close();
}

bool LinkSession::WaitForBytes(std::size_t count, std::optional<std::size_t> orCount) {
    const int wanted = static_cast<int>(count);
    const int alsoWanted = orCount ? static_cast<int>(*orCount) : wanted;
    const auto deadline = m_clock.Now() + m_timing.replyWait;
    for (;;) {
        const int waiting = m_port.BytesWaiting();
        if (waiting == wanted || waiting == alsoWanted)
            return true;
        const auto now = m_clock.Now();
        if (now >= deadline)
            return false;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        if (!m_port.WaitForInput(waiting, left) && waiting < 0)
            m_clock.Sleep(left);
    }
}

std::optional<std::vector<uint8_t>> LinkSession::Receive(std::size_t count) {
    if (!WaitForBytes(count))
        return std::nullopt;
    std::vector<uint8_t> reply(count);
    if (!m_port.Read(reply))
        return std::nullopt;
    return reply;
}

std::optional<std::vector<uint8_t>> LinkSession::Request(std::span<const uint8_t> request,
                                                         std::size_t replyLength) {
    m_port.PurgeInput();
    if (!Send(request))
        return std::nullopt;
    return Receive(replyLength);
}

bool LinkSession::WaitAck(bool acceptNak) {
    const auto reply = Receive(1);
    return reply && IsAcknowledgement((*reply)[0], acceptNak);
}

bool LinkSession::ExchangeAck(bool acceptNak) {
    m_port.PurgeInput();
    return SendByte(link::kAck) && WaitAck(acceptNak);
}

bool LinkSession::ReportCommError(std::span<const uint8_t> cancelBytes) {
    m_ui.CloseProgress();
    m_ui.CloseWaitWindow();
    if (m_notifier.Show(kCommError, txt::kCaptionError, MessageButtons::RetryCancel, MessageIcon::Stop) ==
        MessageAnswer::Retry)
        return true;
    // Each byte on its own, as the radio has always been told.
    for (uint8_t b : cancelBytes)
        SendByte(b);
    return false;
}

LinkOutcome LinkSession::WithRetry(const std::function<StepResult()>& step,
                                   std::span<const uint8_t> cancelBytes) {
    for (;;) {
        switch (step()) {
        case StepResult::Done:
            return LinkOutcome::Done;
        case StepResult::Again:
            continue;
        case StepResult::Cancelled:
            return LinkOutcome::Cancelled;
        case StepResult::Failed:
            return LinkOutcome::Failed;
        case StepResult::NoReply:
            if (!ReportCommError(cancelBytes))
                return LinkOutcome::Cancelled;
        }
    }
}

} // namespace rpx
