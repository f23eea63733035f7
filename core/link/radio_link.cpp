#include "core/link/radio_link.h"

#include <algorithm>
#include <array>

#include "core/link/data_password_dialog.h"
#include "core/radio/image_layout.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kCannotReadRadio = 3003019;
constexpr TextId kUnknownModel = 3003031;
constexpr TextId kModelCodeDiffers = 3003041;
constexpr TextId kWriteDone = 3003051;
constexpr TextId kShortMemoryQuestion = 3019111;
constexpr TextId kReadProgressTitle = 1001053;
constexpr TextId kWriteProgressTitle = 1001051;

constexpr int kWriteStopShort = 992; // where a write to a 1024-byte radio ends
constexpr uint8_t kPasswordAddress[] = {0x00, 0xD0};
constexpr uint8_t kMessageAddress[] = {0x03, 0x00};

std::array<uint8_t, 4> ReadRequest(uint8_t page, uint8_t offset, std::size_t length) {
    return {link::kRead, page, offset, static_cast<uint8_t>(length)};
}

// Reads an area outside the block sequence, again while the user answers Retry; nothing once the
// user has cancelled.
template <typename Reply>
std::optional<Reply> ReadArea(LinkSession& link, const uint8_t (&address)[2], std::size_t replyLength,
                              std::optional<Reply> (*parse)(std::span<const uint8_t>)) {
    std::optional<Reply> read;
    const LinkOutcome outcome = link.WithRetry([&] {
        const auto request = ReadRequest(address[0], address[1], replyLength - link::kAreaHeader);
        const auto reply = link.Request(request, replyLength);
        read = reply ? parse(*reply) : std::nullopt;
        return read && link.ExchangeAck() ? StepResult::Done : StepResult::NoReply;
    });
    return outcome == LinkOutcome::Done ? read : std::nullopt;
}

} // namespace

RadioLink::RadioLink(SerialPort& port, Session& session, Notifier& notifier, LinkUi& ui, LinkTiming timing,
                     LinkClock& clock)
    : m_session(session), m_link(port, notifier, ui, timing, clock) {}

LinkOutcome RadioLink::OpenAndEnter() {
    return m_link.WithRetry([&] {
        // On a Retry the port is still open and stays so.
        if (!m_link.OpenRadioLink())
            return StepResult::Failed;
        m_link.Sleep(m_link.Timing().openSettle);
        m_link.Port().PurgeInput();
        return m_link.SendString("PROGRAM") && m_link.WaitAck() ? StepResult::Done : StepResult::NoReply;
    });
}

StepResult RadioLink::Identify() {
    for (;;) {
        const uint8_t request[] = {link::kIdentify};
        const auto reply = m_link.Request(request, link::kIdentificationReply);
        if (!reply)
            return StepResult::NoReply;
        m_identification = *ParseIdentification(*reply);
        if (!m_link.ExchangeAck())
            return StepResult::NoReply;
        if (m_identification.KnownModel())
            return StepResult::Done;
        if (m_link.GetNotifier().Show(kUnknownModel, txt::kCaptionError, MessageButtons::RetryCancel,
                                      MessageIcon::Stop) != MessageAnswer::Retry) {
            m_link.LeaveAndClose();
            return StepResult::Failed;
        }
    }
}

StepResult RadioLink::QueryMemorySize() {
    const uint8_t request[] = {link::kMemorySize};
    const auto reply = m_link.Request(request, link::kMemorySizeReply);
    if (!reply)
        return StepResult::NoReply; // a read used to go on silently here; both operations report it
    m_memory = *ParseMemorySize(*reply);
    return m_link.ExchangeAck() ? StepResult::Done : StepResult::NoReply;
}

StepResult RadioLink::ReadPasswordPhase() {
    std::optional<PasswordReply> password =
        ReadArea(m_link, kPasswordAddress, link::kPasswordReply, ParsePasswordReply);
    if (!password)
        return StepResult::Cancelled;
    if (!password->set)
        return StepResult::Done;
    const std::optional<MessageReply> message =
        ReadArea(m_link, kMessageAddress, link::kMessageReply, ParseMessageReply);
    if (!message)
        return StepResult::Cancelled;
    DataPasswordDialog dialog(m_link.GetNotifier(), password->password, message->line1, message->line2);
    if (m_link.Ui().RunDataPasswordDialog(dialog))
        return StepResult::Done;
    m_link.LeaveAndClose();
    return StepResult::Failed;
}

StepResult RadioLink::ReadAll(std::optional<StagedRead>& staged) {
    if (const StepResult identified = Identify(); identified != StepResult::Done)
        return identified;
    if (const StepResult sized = QueryMemorySize(); sized != StepResult::Done)
        return sized;
    if (!m_identification.Readable()) {
        m_link.GetNotifier().Show(kCannotReadRadio, txt::kCaptionError, MessageButtons::Ok,
                                  MessageIcon::Stop);
        m_link.LeaveAndClose();
        return StepResult::Failed;
    }
    if (const StepResult unlocked = ReadPasswordPhase(); unlocked != StepResult::Done)
        return unlocked;
    m_link.Ui().ShowProgress(kReadProgressTitle, m_memory.has2048 ? 2048 : 1024);
    StagedRead read{{}, m_memory.has2048, m_identification.BlankModel()};
    const StepResult result = ReadBlocks(read);
    if (result == StepResult::Done)
        staged = std::move(read);
    return result;
}

StepResult RadioLink::ReadBlocks(StagedRead& staged) {
    const unsigned lastPage = m_memory.has2048 ? 7 : 3;
    for (unsigned page = 0; page <= lastPage; ++page) {
        for (unsigned offset = 0; offset < 0x100; offset += link::kBlockSize) {
            const auto request =
                ReadRequest(static_cast<uint8_t>(page), static_cast<uint8_t>(offset), link::kBlockSize);
            const auto reply = m_link.Request(request, link::kBlockReply);
            // A block whose length byte is not 16 would shift every later byte: as bad as no block.
            const auto block = reply ? ParseBlockReply(*reply) : std::nullopt;
            if (!block)
                return StepResult::NoReply;
            staged.bytes.insert(staged.bytes.end(), block->data.begin(), block->data.end());
            m_link.Ui().SetProgress(static_cast<int>(staged.bytes.size()));
            if (!m_link.ExchangeAck())
                return StepResult::NoReply;
        }
    }
    return m_link.SendByte(link::kEnd) ? StepResult::Done : StepResult::NoReply;
}

void RadioLink::CloseAfterRead() {
    if (m_link.Port().IsOpen())
        m_link.Sleep(m_link.Timing().closeSettle);
    m_link.Ui().CloseProgress();
    m_link.Close();
}

std::optional<StagedRead> RadioLink::ReadRadio() {
    const LinkOutcome entered = OpenAndEnter();
    if (entered == LinkOutcome::Failed)
        return std::nullopt;
    std::optional<StagedRead> staged;
    if (entered == LinkOutcome::Done)
        m_link.WithRetry([&] { return ReadAll(staged); });
    CloseAfterRead();
    return staged;
}

bool RadioLink::Confirmed(MessageAnswer answer) {
    if (answer == MessageAnswer::Ok)
        return true;
    m_link.LeaveAndClose();
    return false;
}

StepResult RadioLink::WriteAll(bool& restoreSnapshot) {
    if (const StepResult identified = Identify(); identified != StepResult::Done)
        return identified;
    if (const StepResult sized = QueryMemorySize(); sized != StepResult::Done)
        return sized;
    RadioImage& image = m_session.image;
    Notifier& notifier = m_link.GetNotifier();
    if (image.IsExtendedVariant() && m_memory.refusesExtended && m_identification.RadioType() == 1) {
        if (notifier.Show(kUnknownModel, txt::kCaptionError, MessageButtons::RetryCancel,
                          MessageIcon::Stop) == MessageAnswer::Retry)
            return StepResult::Again;
        m_link.LeaveAndClose();
        return StepResult::Failed;
    }
    if (!m_memory.has2048 &&
        !Confirmed(notifier.Show(kShortMemoryQuestion, txt::kCaptionError, MessageButtons::OkCancel,
                                 MessageIcon::Stop, DefaultButton::Second)))
        return StepResult::Failed;
    const std::string radioCode = m_identification.ModelCode();
    if (image.ModelCode() != radioCode &&
        !Confirmed(notifier.Show(
            {kModelCodeDiffers}, "", "\n\n" + notifier.Filled(txt::kModelCodes, image.ModelCode(), radioCode),
            txt::kCaptionConfirm, MessageButtons::OkCancel, MessageIcon::Exclamation, DefaultButton::Second)))
        return StepResult::Failed;
    // Taken once: a Retry after blocks went out must not take the changed image for the original.
    if (!restoreSnapshot && !m_memory.has2048 && m_identification.RadioType() == 0 &&
        image.VersionCode() == 0) {
        m_session.snapshot.TakeSnapshot(image);
        restoreSnapshot = true;
    }
    m_link.Ui().ShowProgress(kWriteProgressTitle, m_memory.has2048 ? 2048 : kWriteStopShort);
    return WriteBlocks();
}

StepResult RadioLink::WriteBlocks() {
    RadioImage& image = m_session.image;
    // A radio does not accept these settings all erased.
    if (image.AllEqual(layout::kDtmfSettings, 10, 0xFF))
        image.SetByte(layout::kDtmfSettings, 0x00);
    m_sent.clear(); // a Retry sends every block again
    const unsigned lastPage = m_memory.has2048 ? 7 : 3;
    for (unsigned page = 0; page <= lastPage; ++page) {
        for (unsigned offset = page == 0 ? 0x20 : 0x00; offset < 0x100; offset += link::kBlockSize) {
            const unsigned address = page * 0x100 + offset;
            if (address >= 0x340 && address < 0x380)
                continue; // never written
            if (address == 0x3E0) {
                if (!m_memory.has2048) {
                    m_link.Ui().SetProgress(kWriteStopShort);
                    m_link.Sleep(m_link.Timing().closeSettle);
                    return m_link.SendByte(link::kEnd) ? StepResult::Done : StepResult::NoReply;
                }
                continue; // 0x3E0..0x3EF is never written
            }
            std::array<uint8_t, link::kBlockReply> request{link::kBlock, static_cast<uint8_t>(page),
                                                           static_cast<uint8_t>(offset), link::kBlockSize};
            for (std::size_t i = 0; i < link::kBlockSize; ++i)
                request[link::kAreaHeader + i] = image.Byte(address + i);
            if (!m_link.Send(request))
                return StepResult::NoReply;
            ++m_blocksWritten;
            m_sent.push_back({address, {}});
            std::copy_n(request.begin() + link::kAreaHeader, link::kBlockSize, m_sent.back().data.begin());
            m_link.Ui().SetProgress(static_cast<int>(address + link::kBlockSize));
            // The write itself discarded stale input; purging again here could drop an ACK that a
            // quick radio already sent while the block was draining.
            if (!m_link.WaitAck())
                return StepResult::NoReply;
        }
    }
    return m_link.SendByte(link::kEnd) ? StepResult::Done : StepResult::NoReply;
}

bool RadioLink::WriteRadio() {
    m_blocksWritten = 0;
    m_sent.clear();
    const LinkOutcome entered = OpenAndEnter();
    if (entered == LinkOutcome::Failed)
        return false;
    bool restoreSnapshot = false;
    const LinkOutcome outcome =
        entered == LinkOutcome::Done ? m_link.WithRetry([&] { return WriteAll(restoreSnapshot); }) : entered;
    m_link.Ui().CloseProgress();
    m_link.Close();
    if (restoreSnapshot)
        m_session.snapshot.RestoreSnapshot(m_session.image);
    Notifier& notifier = m_link.GetNotifier();
    if (outcome == LinkOutcome::Done)
        notifier.Show(kWriteDone, 0, MessageButtons::Ok, MessageIcon::Information);
    else if (m_blocksWritten > 0)
        notifier.Show(txt::kPartlyWritten, txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
    return outcome == LinkOutcome::Done;
}

} // namespace rpx
