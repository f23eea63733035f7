// Feeds random radio replies, and random answers to the boxes, into read, write and radio
// information. A read that completes must hold every byte the radio has; once the user has cancelled
// after a communication error, nothing more goes out but "E" "e", and no further Retry box appears.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <span>
#include <string>
#include <vector>

#include "core/app/messenger.h"
#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/link/link_clock.h"
#include "core/link/link_ui.h"
#include "core/link/radio_info.h"
#include "core/link/radio_link.h"
#include "core/link/serial_port.h"
#include "core/radio/image_defaults.h"
#include "core/text/language_table.h"

namespace {

using namespace rpx;
using Bytes = std::vector<uint8_t>;

// The fuzz input, taken a byte at a time; once it is used up every choice is the sound one.
class Choices {
public:
    explicit Choices(std::span<const uint8_t> input) : m_input(input) {}
    // 0 when the input is used up.
    uint8_t Next() { return m_next < m_input.size() ? m_input[m_next++] : 0; }

private:
    std::span<const uint8_t> m_input;
    std::size_t m_next = 0;
};

uint8_t RadioByte(std::size_t address) {
    return static_cast<uint8_t>(address * 7 + 1);
}

class VirtualClock : public LinkClock {
public:
    TimePoint Now() const override { return m_now; }
    void Sleep(std::chrono::milliseconds duration) override { m_now += duration; }

private:
    TimePoint m_now{};
};

// A radio whose every reply may come spoilt, as the input chooses.
class FuzzedRadio : public SerialDevice {
public:
    FuzzedRadio(Choices& choices, VirtualClock& clock, bool hasPassword)
        : m_choices(choices), m_clock(clock), m_hasPassword(hasPassword) {}

    bool Open(const std::string&) override { return m_open = true; }
    void Close() override { m_open = false; }
    bool IsOpen() const override { return m_open; }
    bool Configure(const LineSettings&) override { return true; }
    bool SetDtr(bool) override { return true; }
    bool SetRts(bool) override { return true; }
    bool Write(std::span<const uint8_t> bytes) override {
        sent.insert(sent.end(), bytes.begin(), bytes.end());
        Reply(Bytes(bytes.begin(), bytes.end()));
        return true;
    }
    int BytesWaiting() override { return m_open ? static_cast<int>(m_input.size()) : -1; }
    bool WaitForInput(int knownCount, std::chrono::milliseconds timeout) override {
        if (BytesWaiting() != knownCount)
            return true;
        m_clock.Sleep(timeout);
        return false;
    }
    std::size_t Read(std::span<uint8_t> buffer, std::chrono::milliseconds) override {
        const std::size_t count = std::min(buffer.size(), m_input.size());
        std::copy_n(m_input.begin(), count, buffer.begin());
        m_input.erase(m_input.begin(), m_input.begin() + static_cast<std::ptrdiff_t>(count));
        return count;
    }
    void PurgeInput() override { m_input.clear(); }
    std::string ErrorText() const override { return {}; }
    bool PermissionDenied() const override { return false; }

    Bytes sent;

private:
    static bool Starts(const Bytes& request, std::initializer_list<uint8_t> head) {
        return request.size() >= head.size() && std::equal(head.begin(), head.end(), request.begin());
    }

    Bytes Answer(const Bytes& r) const {
        if (Starts(r, {'P', 'R', 'O', 'G'}) || Starts(r, {0x06}) || Starts(r, {0x57}))
            return {0x06};
        if (Starts(r, {0x02}))
            return {'M', 'D', 'L', '2', 'A', '1', 0x40, 0xFF};
        if (Starts(r, {0x50}))
            return {0x00, 0x33, 0, 0, 0, 0, 0, 0, 0, 0};
        if (Starts(r, {'N', 'R', 'K'})) {
            Bytes info(25, '1');
            info[0] = 0x4E;
            return info;
        }
        if (Starts(r, {0x52}) && r.size() == 4) {
            // The password area reads "47" or erased; the rest of the memory its pattern.
            const bool password = r[1] == 0x00 && r[2] == 0xD0 && r[3] == 0x0A;
            Bytes reply = {0x57, r[1], r[2], r[3]};
            for (std::size_t i = 0; i < r[3]; ++i)
                reply.push_back(!password                ? RadioByte(r[1] * 0x100u + r[2] + i)
                                : m_hasPassword && i < 2 ? static_cast<uint8_t>("47"[i])
                                                         : uint8_t{0xFF});
            return reply;
        }
        return {}; // "E", "e"
    }

    // Spoils a reply without ever making a wrong one look sound: a block keeps its data where it
    // still parses.
    void Reply(const Bytes& request) {
        Bytes reply = Answer(request);
        if (reply.empty())
            return;
        const uint8_t choice = m_choices.Next();
        switch (choice % 16) {
        case 1:
            reply.clear();
            break;
        case 2:
            reply.pop_back();
            break;
        case 3:
            reply.push_back(m_choices.Next());
            break;
        case 4:
            reply[0] ^= 0x5A;
            break;
        case 5:
            if (reply.size() > 3)
                reply[3] = static_cast<uint8_t>(m_choices.Next() & 0x0F); // never 16
            break;
        case 6:
            if (reply.size() > 2)
                reply[1] = m_choices.Next(); // page: uncompared
            break;
        default:
            break;
        }
        m_input.insert(m_input.end(), reply.begin(), reply.end());
    }

    Choices& m_choices;
    VirtualClock& m_clock;
    bool m_hasPassword;
    bool m_open = false;
    std::deque<uint8_t> m_input;
};

// Answers every box from the input and checks what follows a Cancel of a communication error.
class FuzzedUser : public Messenger, public LinkUi {
public:
    FuzzedUser(Choices& choices, const FuzzedRadio& radio) : m_choices(choices), m_radio(radio) {}

    MessageAnswer Show(const Message& message) override {
        const bool retryBox = message.buttons == MessageButtons::RetryCancel;
        if (retryBox && cancelledAt)
            std::abort(); // a second box after the user gave up
        const bool yes = (m_choices.Next() & 3) != 0;
        if (message.buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (!retryBox)
            return yes ? MessageAnswer::Ok : MessageAnswer::Cancel;
        if (yes && ++m_retries < 50)
            return MessageAnswer::Retry;
        if (!message.textIds.empty() && message.textIds[0] == 3003005)
            cancelledAt = m_radio.sent.size();
        return MessageAnswer::Cancel;
    }
    void ShowProgress(TextId, int) override {}
    void SetProgress(int) override {}
    void CloseProgress() override {}
    void ShowWaitWindow(TextId, TextId) override {}
    void CloseWaitWindow() override {}
    bool RunDataPasswordDialog(DataPasswordDialog&) override { return (m_choices.Next() & 7) != 0; }

    // What went out after a Cancel must be "E" "e" and nothing else.
    void CheckAfterCancel() const {
        if (!cancelledAt)
            return;
        const Bytes after(m_radio.sent.begin() + static_cast<std::ptrdiff_t>(*cancelledAt),
                          m_radio.sent.end());
        if (after != Bytes{0x45, 0x65})
            std::abort();
    }

    std::optional<std::size_t> cancelledAt;

private:
    Choices& m_choices;
    const FuzzedRadio& m_radio;
    int m_retries = 0;
};

enum class Operation { Read, Write, Information };

void Run(Operation operation, bool hasPassword, Choices& choices) {
    VirtualClock clock;
    FuzzedRadio radio(choices, clock, hasPassword);
    FuzzedUser user(choices, radio);
    const LanguageTable texts;
    Notifier notifier(user, texts);
    SerialPort port(radio, [](uint8_t) { return std::string("fuzz"); });
    Session session;
    MakeFirstImage(session.image, "", false);
    RadioLink link(port, session, notifier, user, LinkTiming{}, clock);
    switch (operation) {
    case Operation::Read:
        if (const std::optional<StagedRead> staged = link.ReadRadio()) {
            if (staged->bytes.size() != (staged->radioHas2048 ? 2048u : 1024u))
                std::abort();
            for (std::size_t i = 0; i < staged->bytes.size(); ++i)
                if (staged->bytes[i] != RadioByte(i))
                    std::abort(); // a shifted or foreign byte in a read called complete
        }
        break;
    case Operation::Write:
        if (link.WriteRadio() && radio.sent.back() != 0x45)
            std::abort();
        break;
    case Operation::Information: {
        RadioInformation information;
        OnToolsRadioInfo(link, information);
        break;
    }
    }
    if (port.IsOpen())
        std::abort();
    user.CheckAfterCancel();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    Choices choices({data + 1, size - 1});
    Run(static_cast<Operation>(data[0] % 3), (data[0] / 3) % 2 != 0, choices);
    return 0;
}
