#pragma once

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "core/link/test_mode_session.h"
#include "tests/link/link_fixture.h"
#include "tests/sim/radio_bench.h"

namespace rpx::test {

inline const TuningItem& ItemWithCode(uint8_t code) {
    const std::span<const TuningItem> items = TuningItems();
    const auto found = std::ranges::find(items, code, &TuningItem::code);
    if (found == items.end())
        throw std::out_of_range("no tuning item");
    return *found;
}

using sim::test::Join;

// Program > Test against a simulated radio whose memory is the session's image.
class TestModeFixture : public LinkFixture {
protected:
    // Replies the radio sends while test mode is entered: ACK, identification and its ACK, the
    // adjustment values and their ACK, 16 test channel records and their ACKs.
    static constexpr int kEntryReplies = 37;

    TestModeFixture() { session.image = sim::NewRadioImage(); }

    // The radio's memory is the session's image, so that its test channels match unless setup says otherwise.
    void StartTestRadio(sim::RadioSetup setup = {}) {
        setup.image = session.image;
        StartRadio(std::move(setup));
        m_testLink = std::make_unique<RadioLink>(Port(), session, notifier, waitUi, kFast);
    }
    RadioLink& TestLink() { return *m_testLink; }

    // Runs the command; dialog stands for the user working the test dialog.
    void RunProgramTest(const TestModeSession::TestDialogRunner& dialog) {
        m_command = std::make_unique<TestModeSession>(*m_testLink, session.image, state);
        m_command->OnProgramTest([&](TestDialogRules& rules) {
            ++dialogRuns;
            dialog(rules);
        });
    }
    // True while Program > Test runs.
    bool Testing() const { return m_command != nullptr && m_command->Testing(); }

    // What the program sends to enter test mode, acknowledgements included.
    static sim::Bytes EntryBytes() {
        sim::Bytes bytes = {'T', 'U', 'N', 'I', 'N', 'G', ' ', 0x02, link::kAck, 0x05, link::kAck};
        for (uint8_t n = 1; n <= 16; ++n)
            bytes.insert(bytes.end(), {0x10, n, link::kAck});
        return bytes;
    }
    // Everything the program sends when it enters test mode, sends inTestMode and leaves.
    static sim::Bytes InTestMode(const sim::Bytes& inTestMode) {
        return Join({EntryBytes(), inTestMode, {0x45}});
    }

    TestModeState state;
    RecordingLinkUi waitUi; // test mode shows only its wait window
    int dialogRuns = 0;

private:
    std::unique_ptr<RadioLink> m_testLink;
    std::unique_ptr<TestModeSession> m_command;
};

} // namespace rpx::test
