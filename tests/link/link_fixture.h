#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/link/data_password_dialog.h"
#include "core/link/radio_link.h"
#include "core/link/serial_port.h"
#include "core/link/tracing_device.h"
#include "core/link/transfer_commands.h"
#include "sim/virtual_radio.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx::test {

// Answers the password dialog from a script (an empty answer cancels it) and notes the message it
// showed; notes the wait windows; progress is not looked at here.
class RecordingLinkUi : public LinkUi {
public:
    void ShowProgress(TextId, int) override {}
    void SetProgress(int) override {}
    void CloseProgress() override {}
    void ShowWaitWindow(TextId, TextId) override {
        ++shown;
        open = true;
    }
    void CloseWaitWindow() override { open = false; }
    bool RunDataPasswordDialog(DataPasswordDialog& dialog) override {
        shownMessage = dialog.MessageLine1() + "|" + dialog.MessageLine2();
        while (!passwords.empty()) {
            const std::string typed = passwords.front();
            passwords.pop_front();
            if (typed.empty())
                return false;
            if (dialog.Ok(typed))
                return true;
        }
        return false;
    }

    std::string shownMessage;
    std::deque<std::string> passwords;
    int shown = 0;     // wait windows
    bool open = false; // a wait window
};

// Keeps real time for the reply waits but only notes the settling sleeps, with the number of bytes
// the program had sent when each was due.
class SleepRecorder : public SteadyLinkClock {
public:
    struct Noted {
        std::chrono::milliseconds duration;
        std::size_t sentBefore;
        bool operator==(const Noted&) const = default;
    };
    explicit SleepRecorder(std::function<std::size_t()> sentSoFar) : m_sentSoFar(std::move(sentSoFar)) {}
    void Sleep(std::chrono::milliseconds duration) override { sleeps.push_back({duration, m_sentSoFar()}); }

    std::vector<Noted> sleeps;

private:
    std::function<std::size_t()> m_sentSoFar;
};

// Passes everything to the radio's line but can refuse to send one request, as a failing port would.
class RefusingDevice : public TracingDevice {
public:
    using TracingDevice::TracingDevice;
    bool Write(std::span<const uint8_t> bytes) override {
        if (refused && std::ranges::equal(bytes, *refused))
            return false;
        return TracingDevice::Write(bytes);
    }
    std::optional<std::vector<uint8_t>> refused;
};

// A program session talking to a simulated radio inside the process, with the settling sleeps noted
// but not slept.
class LinkFixture : public ::testing::Test {
protected:
    static constexpr LinkTiming kFast{std::chrono::milliseconds(0), std::chrono::milliseconds(0),
                                      std::chrono::milliseconds(300), std::chrono::milliseconds(0)};

    void StartRadio(sim::RadioSetup setup, LinkTiming timing = kFast) {
        m_radio = std::make_unique<sim::VirtualRadio>(std::move(setup));
        m_trace.str("");
        m_tracing = std::make_unique<RefusingDevice>(m_radio->Device(), m_trace);
        m_port = std::make_unique<SerialPort>(*m_tracing, [](uint8_t) { return std::string("virtual"); });
        clock.sleeps.clear();
        m_link = std::make_unique<RadioLink>(*m_port, session, notifier, ui, timing, clock);
        m_commands = std::make_unique<TransferCommands>(*m_link, session, notifier);
    }
    // The next writes of exactly these bytes fail.
    void RefuseToSend(std::vector<uint8_t> bytes) { m_tracing->refused = std::move(bytes); }

    sim::SimulatedRadio& Radio() { return m_radio->Radio(); }
    RadioLink& Link() { return *m_link; }
    SerialPort& Port() { return *m_port; }
    TransferCommands& Commands() { return *m_commands; }

    // The requests the radio acted upon, acknowledgements left out, once it has taken in what was
    // sent (it works on its own thread).
    std::vector<sim::Bytes> RequestsWithoutAcks() {
        WaitUntilRadioIsIdle();
        std::vector<sim::Bytes> requests;
        for (const sim::Bytes& r : Radio().Requests())
            if (!(r.size() == 1 && r[0] == link::kAck))
                requests.push_back(r);
        return requests;
    }

    // Every byte the program sent since the radio started, in order.
    sim::Bytes SentBytes() const;

    void WaitUntilRadioIsIdle() {
        for (int i = 0; i < 200 && Radio().Mode() != sim::RadioMode::Idle; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

    Session session;
    ScriptedMessenger messenger;
    Notifier notifier{messenger, ShippedTexts()};
    RecordingLinkUi ui;
    SleepRecorder clock{[this] { return SentBytes().size(); }};

private:
    std::unique_ptr<sim::VirtualRadio> m_radio;
    std::ostringstream m_trace;
    std::unique_ptr<RefusingDevice> m_tracing;
    std::unique_ptr<SerialPort> m_port;
    std::unique_ptr<RadioLink> m_link;
    std::unique_ptr<TransferCommands> m_commands;
};

// Empty when the two request lists match, else where they first differ, in hex.
std::string FirstDifference(const std::vector<sim::Bytes>& actual, const std::vector<sim::Bytes>& expected);

// An image whose every byte tells its address apart, with a valid model identity.
RadioImage PatternImage(const std::string& modelCode = "MDL2A1");

} // namespace rpx::test
