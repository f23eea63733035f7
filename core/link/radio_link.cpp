#include "core/link/radio_link.h"

#include <algorithm>
#include <thread>

#include "core/radio/data_file.h"
#include "core/radio/image_layout.h"
#include "core/link/data_password_dialog.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kCommError = 3003005;
constexpr TextId kCannotReadRadio = 3003019;
constexpr TextId kUnknownModel = 3003031;
constexpr TextId kModelCodeDiffers = 3003041;
constexpr TextId kWriteDone = 3003051;
constexpr TextId kPortCannotOpen = 3003059;
constexpr TextId kShortMemoryQuestion = 3019111;
constexpr TextId kReadProgressTitle = 1001053;
constexpr TextId kWriteProgressTitle = 1001051;

constexpr const char* kKnownModels[] = {"E6181", "E6182", "MDL1A", "MDL1B", "MDL2A", "MDL2B"};
constexpr std::size_t kIdentificationSize = 8;
constexpr std::size_t kMemorySizeReply = 10;
constexpr std::size_t kBlockReply = 4 + link::kBlockSize;
constexpr int kWriteStopShort = 992; // where a write to a 1024-byte radio ends

bool IsBlankModel(const std::string& model) { return model == "E6181" || model == "E6182"; }

} // namespace

RadioLink::RadioLink(SerialPort& port, Session& session, Notifier& notifier, LinkUi& ui, LinkTiming timing)
    : m_port(port), m_session(session), m_notifier(notifier), m_ui(ui), m_timing(timing) {}

void RadioLink::Sleep(std::chrono::milliseconds duration) const { std::this_thread::sleep_for(duration); }

void RadioLink::WaitForBytes(int count) {
    m_replyReady = false;
    m_timedOut = false;
    const auto deadline = std::chrono::steady_clock::now() + m_timing.replyWait;
    for (;;) {
        m_bytesWaiting = m_port.BytesWaiting();
        // Only the exact count completes a reply: a longer one is as wrong as a shorter one.
        if (m_bytesWaiting == count) {
            m_replyReady = true;
            return;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            m_timedOut = true;
            return;
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        if (!m_port.WaitForInput(m_bytesWaiting, left) && m_bytesWaiting < 0)
            std::this_thread::sleep_until(deadline);
    }
}

void RadioLink::ReadReply(std::size_t count) {
    m_replyLength = std::min(count, m_reply.size());
    m_port.Read(std::span<uint8_t>(m_reply.data(), m_replyLength));
}

void RadioLink::WaitAck() {
    WaitForBytes(1);
    if (m_replyReady) {
        ReadReply(1);
        if (m_reply[0] == link::kAck || (m_acceptNak && m_reply[0] == link::kNak))
            return;
    }
    ReportCommError();
}

void RadioLink::ExchangeAck() {
    m_port.PurgeInput();
    m_port.WriteByte(link::kAck);
    WaitAck();
}

void RadioLink::ReportCommError() {
    // Whatever failed, the reply is not usable: without this a malformed block would count as read.
    m_replyReady = false;
    m_ui.CloseProgress();
    if (m_testing)
        m_ui.CloseWaitWindow();
    const MessageAnswer answer =
        m_notifier.Show(kCommError, txt::kCaptionError, MessageButtons::RetryCancel, MessageIcon::Stop);
    if (answer == MessageAnswer::Retry) {
        m_retryRequested = true;
        return;
    }
    m_retryRequested = false;
    m_port.WriteByte(link::kEnd);
    m_port.WriteByte(link::kAbandon);
}

void RadioLink::OpenRadioLink() {
    m_portFailed = false;
    if (m_port.SetOpen(true))
        return;
    m_port.SetOpen(false);
    m_portFailed = true;
    if (m_port.PermissionDenied())
        m_notifier.ShowFilled(txt::kPortPermission, m_port.DevicePath(), m_port.ErrorText(), txt::kCaptionError,
                              MessageButtons::Ok, MessageIcon::Stop);
    else
        m_notifier.Show(kPortCannotOpen, txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
}

void RadioLink::EnterProgramMode() {
    m_port.PurgeInput();
    m_port.WriteString("PROGRAM");
    WaitAck();
}

void RadioLink::ReadIdentification() {
    m_radioRefused = false; // a refusal of an earlier operation does not speak for this one
    m_port.PurgeInput();
    m_port.WriteByte(link::kIdentify);
    WaitForBytes(kIdentificationSize);
    if (!m_replyReady) {
        ReportCommError();
        return;
    }
    ReadReply(kIdentificationSize);
    std::copy_n(m_reply.begin(), kIdentificationSize, m_identification.begin());
    ExchangeAck();
    CheckModel();
}

void RadioLink::ClearOperationFlags() {
    m_reading = false;
    m_writing = false;
    m_testing = false;
}

void RadioLink::LeaveAndClose() {
    m_port.WriteByte(link::kEnd);
    m_port.SetOpen(false);
}

void RadioLink::RefuseModel(TextId text) {
    const MessageButtons buttons = text == kUnknownModel ? MessageButtons::RetryCancel : MessageButtons::Ok;
    if (m_notifier.Show(text, txt::kCaptionError, buttons, MessageIcon::Stop) == MessageAnswer::Retry) {
        ReadIdentification();
        return;
    }
    ClearOperationFlags();
    LeaveAndClose();
    m_radioRefused = true;
    m_operationAborted = true;
}

void RadioLink::CheckModel() {
    m_radioRefused = false;
    m_operationAborted = false;
    const std::string model(m_identification.begin(), m_identification.begin() + 5);
    m_radioType = m_identification[5] & 0x0F;
    if (std::find(std::begin(kKnownModels), std::end(kKnownModels), model) == std::end(kKnownModels)) {
        RefuseModel(kUnknownModel);
        return;
    }
    if (m_reading) {
        m_port.PurgeInput();
        m_port.WriteByte(link::kMemorySize);
        QueryMemorySize();
        if (!m_replyReady)
            return; // reported; Retry identifies the radio again
        m_blankModelRadio = IsBlankModel(model);
        if (!(m_identification[6] & 0x40))
            RefuseModel(kCannotReadRadio);
        return;
    }
    if (!m_writing)
        return;
    m_port.PurgeInput();
    m_port.WriteByte(link::kMemorySize);
    QueryMemorySize();
    if (m_session.image.IsExtendedVariant() && m_radioRefused) {
        RefuseModel(kUnknownModel);
        return;
    }
    if (!m_replyReady)
        return;
    m_userDeclined = false;
    if (!m_radioHas2048 && m_notifier.Show(kShortMemoryQuestion, txt::kCaptionError, MessageButtons::OkCancel,
                                           MessageIcon::Stop, DefaultButton::Second) != MessageAnswer::Ok) {
        m_userDeclined = true;
        return;
    }
    const std::string radioCode(m_identification.begin(), m_identification.begin() + 6);
    if (m_session.image.ModelCode() != radioCode &&
        m_notifier.Show(kModelCodeDiffers, txt::kCaptionConfirm, MessageButtons::OkCancel, MessageIcon::Exclamation,
                        DefaultButton::Second) != MessageAnswer::Ok) {
        ClearOperationFlags();
        LeaveAndClose();
        m_radioRefused = true;
        m_operationAborted = true;
    }
}

void RadioLink::QueryMemorySize() {
    m_radioHas2048 = false;
    WaitForBytes(kMemorySizeReply);
    if (!m_replyReady) {
        // A read used to go on silently here and end without a word; both operations report it.
        ReportCommError();
        return;
    }
    ReadReply(kMemorySizeReply);
    const bool has2048 = m_reply[1] == 0x33;
    const bool refusesExtended = m_reply[6] == 0xFF && m_radioType == 1;
    ExchangeAck();
    m_radioHas2048 = has2048;
    if (m_writing && refusesExtended)
        m_radioRefused = true;
}

void RadioLink::SendReadRequest(uint8_t page, uint8_t offset, uint8_t length) {
    const uint8_t request[] = {link::kRead, page, offset, length};
    m_port.Write(request);
}

bool RadioLink::ReadArea(uint8_t page, uint8_t offset, uint8_t length) {
    m_port.PurgeInput();
    SendReadRequest(page, offset, length);
    const std::size_t replySize = 4u + length;
    WaitForBytes(static_cast<int>(replySize));
    if (m_replyReady) {
        ReadReply(replySize);
        if (m_reply[0] == link::kBlock)
            return true;
    }
    ReportCommError();
    return false;
}

void RadioLink::ReadDataPassword() {
    if (!ReadArea(0x00, 0xD0, 0x0A))
        return;
    const auto field = std::span<const uint8_t>(m_reply).subspan(4, 10);
    const auto end = std::find(field.begin(), field.end(), 0xFF);
    m_dataPassword.assign(field.begin(), end);
    m_dataPasswordSet = field[0] != 0xFF;
    ExchangeAck();
}

void RadioLink::ReadEmbeddedMessage() {
    if (!ReadArea(0x03, 0x00, 0x40))
        return;
    const auto reply = std::span<const uint8_t>(m_reply);
    m_messageLine1 = EmbeddedMessageLine(reply.subspan(4, layout::kMessageLineLength));
    m_messageLine2 = EmbeddedMessageLine(reply.subspan(36, layout::kMessageLineLength));
    ExchangeAck();
    if (!m_replyReady)
        return;
    DataPasswordDialog dialog(m_notifier, m_dataPassword, m_messageLine1, m_messageLine2);
    if (!m_ui.RunDataPasswordDialog(dialog))
        m_replyReady = false;
}

void RadioLink::ReadPasswordPhase() {
    m_dataPasswordSet = false;
    do {
        m_retryRequested = false;
        ReadDataPassword();
    } while (m_retryRequested);
    do {
        m_retryRequested = false;
        if (m_replyReady && m_dataPasswordSet)
            ReadEmbeddedMessage();
    } while (m_retryRequested);
    if (!m_replyReady) {
        m_reading = false;
        LeaveAndClose();
    }
}

void RadioLink::ShowTransferProgress() {
    if (m_reading)
        m_ui.ShowProgress(kReadProgressTitle, m_radioHas2048 ? 2048 : 1024);
    else if (m_writing)
        m_ui.ShowProgress(kWriteProgressTitle, m_radioHas2048 ? 2048 : kWriteStopShort);
}

void RadioLink::ReadBlocks() {
    m_stagingCount = 0;
    const unsigned lastPage = m_radioHas2048 ? 7 : 3;
    for (unsigned page = 0; page <= lastPage; ++page) {
        for (unsigned offset = 0; offset < 0x100; offset += link::kBlockSize) {
            m_port.PurgeInput();
            SendReadRequest(static_cast<uint8_t>(page), static_cast<uint8_t>(offset), link::kBlockSize);
            ReceiveBlock();
            if (!m_replyReady || m_timedOut)
                return;
        }
    }
    m_port.WriteByte(link::kEnd);
    m_transferComplete = true;
}

void RadioLink::ReceiveBlock() {
    WaitForBytes(kBlockReply);
    if (!m_replyReady) {
        ReportCommError();
        return;
    }
    ReadReply(static_cast<std::size_t>(m_bytesWaiting));
    if (m_reply[0] != link::kBlock || m_bytesWaiting != static_cast<int>(kBlockReply)) {
        ReportCommError();
        return;
    }
    // Trust the length byte only as far as the reply and the staging area reach.
    const std::size_t count =
        std::min({static_cast<std::size_t>(m_reply[3]), link::kBlockSize, ImageSnapshot::Size() - m_stagingCount});
    for (std::size_t i = 0; i < count; ++i)
        m_session.snapshot.SetEntry(m_stagingCount + i, m_reply[4 + i]);
    m_stagingCount += count;
    m_ui.SetProgress(static_cast<int>(m_stagingCount));
    ExchangeAck();
}

void RadioLink::WriteBlocks() {
    RadioImage& image = m_session.image;
    // A radio does not accept these settings all erased.
    if (image.AllEqual(layout::kDtmfSettings, 10, 0xFF))
        image.SetByte(layout::kDtmfSettings, 0x00);
    const unsigned lastPage = m_radioHas2048 ? 7 : 3;
    for (unsigned page = 0; page <= lastPage; ++page) {
        for (unsigned offset = page == 0 ? 0x20 : 0x00; offset < 0x100; offset += link::kBlockSize) {
            unsigned address = page * 0x100 + offset;
            if (address >= 0x340 && address < 0x380)
                continue; // never written
            if (address == 0x3E0) {
                if (!m_radioHas2048) {
                    m_ui.SetProgress(kWriteStopShort);
                    Sleep(m_timing.closeSettle);
                    m_port.WriteByte(link::kEnd);
                    m_transferComplete = true;
                    return;
                }
                continue; // 0x3E0..0x3EF is never written
            }
            std::array<uint8_t, 4 + link::kBlockSize> request{link::kBlock, static_cast<uint8_t>(page),
                                                             static_cast<uint8_t>(offset), link::kBlockSize};
            for (std::size_t i = 0; i < link::kBlockSize; ++i)
                request[4 + i] = image.Byte(address + i);
            m_port.Write(request);
            m_ui.SetProgress(static_cast<int>(address + link::kBlockSize));
            // The write itself discarded stale input; purging again here could drop an ACK that a
            // quick radio already sent while the block was draining.
            WaitAck();
            if (!m_replyReady || m_timedOut)
                return;
        }
    }
    m_port.WriteByte(link::kEnd);
    m_transferComplete = true;
}

RadioLink::Entry RadioLink::OpenAndEnter(bool& operationFlag) {
    // Outcome flags of an earlier operation must not speak for this one.
    m_replyReady = false;
    m_timedOut = false;
    m_operationAborted = false;
    m_transferComplete = false;
    m_retryRequested = false;
    operationFlag = true;
    for (;;) {
        OpenRadioLink(); // on a Retry the port is still open and stays so
        Sleep(m_timing.openSettle);
        if (m_portFailed)
            return Entry::PortFailed;
        EnterProgramMode();
        if (m_replyReady)
            return Entry::Entered;
        if (!m_retryRequested)
            return Entry::GaveUp;
        m_retryRequested = false;
        operationFlag = true;
    }
}

void RadioLink::ReadRadio() {
    const Entry entry = OpenAndEnter(m_reading);
    if (entry == Entry::PortFailed)
        return;
    while (entry == Entry::Entered) {
        m_retryRequested = false;
        ReadIdentification();
        if (m_operationAborted)
            return;
        m_userDeclined = false;
        if (m_replyReady) {
            ReadPasswordPhase();
            if (!m_replyReady)
                return;
            ShowTransferProgress();
            ReadBlocks();
        }
        if (!m_retryRequested)
            break;
    }
    Sleep(m_timing.closeSettle);
    m_ui.CloseProgress();
    m_port.SetOpen(false);
}

void RadioLink::WriteRadio() {
    const Entry entry = OpenAndEnter(m_writing);
    if (entry == Entry::PortFailed)
        return;
    bool restoreSnapshot = false;
    while (entry == Entry::Entered) {
        m_retryRequested = false;
        ReadIdentification();
        if (m_operationAborted)
            return;
        if (m_userDeclined) {
            LeaveAndClose();
            m_writing = false;
            return;
        }
        if (m_replyReady && !m_radioHas2048 && m_radioType == 0 && m_session.image.VersionCode() == 0) {
            m_session.snapshot.TakeSnapshot(m_session.image);
            restoreSnapshot = true;
        }
        if (m_replyReady) {
            ShowTransferProgress();
            WriteBlocks();
        }
        if (!m_retryRequested)
            break;
    }
    m_writing = false;
    m_ui.CloseProgress();
    m_port.SetOpen(false);
    if (restoreSnapshot)
        m_session.snapshot.RestoreSnapshot(m_session.image);
    if (WriteSucceeded())
        m_notifier.Show(kWriteDone, 0, MessageButtons::Ok, MessageIcon::Information);
}

} // namespace rpx
