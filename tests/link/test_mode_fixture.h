#pragma once

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "core/link/test_mode_session.h"
#include "tests/link/link_fixture.h"

namespace rpx::test {

// Records the test-mode wait window; test mode needs no other window.
class WaitWindowUi : public LinkUi {
public:
    void ShowProgress(TextId, int) override {}
    void SetProgress(int) override {}
    void CloseProgress() override {}
    void ShowWaitWindow(TextId titleId, TextId textId) override {
        ++shown;
        open = true;
        title = titleId;
        text = textId;
    }
    void CloseWaitWindow() override { open = false; }
    bool RunDataPasswordDialog(DataPasswordDialog&) override { return false; }

    int shown = 0;
    bool open = false;
    TextId title = 0;
    TextId text = 0;
};

inline const TuningItem& ItemWithCode(uint8_t code) {
    const auto items = TuningItems();
    const auto found =
        std::find_if(items.begin(), items.end(), [code](const TuningItem& i) { return i.code == code; });
    if (found == items.end())
        throw std::out_of_range("no tuning item");
    return *found;
}

// Program > Test against a simulated radio whose memory is the session's image, so that its test
// channels match unless a test says otherwise.
class TestModeFixture : public LinkFixture {
protected:
    // Replies the radio sends while test mode is entered: ACK, identification and its ACK, the
    // adjustment values and their ACK, 16 test channel records and their ACKs.
    static constexpr int kEntryReplies = 37;

    TestModeFixture() { session.image = sim::NewRadioImage(); }

    sim::RadioSetup RadioSetupForImage() const {
        sim::RadioSetup setup;
        setup.image = session.image;
        return setup;
    }
    void StartTestRadio(sim::RadioSetup setup) {
        StartRadio(std::move(setup));
        m_testLink = std::make_unique<RadioLink>(Port(), session, notifier, waitUi, kFast);
    }
    void StartTestRadio() { StartTestRadio(RadioSetupForImage()); }
    RadioLink& TestLink() { return *m_testLink; }

    // Runs the command; dialog stands for the user working the test dialog.
    void RunProgramTest(const TestModeSession::TestDialogRunner& dialog) {
        TestModeSession command(*m_testLink, session.image, notifier, waitUi, state);
        command.OnProgramTest([&](TestDialogRules& rules) {
            ++dialogRuns;
            dialog(rules);
        });
    }

    // What the program sends to enter test mode, acknowledgements included.
    static sim::Bytes EntryBytes() {
        sim::Bytes bytes = {'T', 'U', 'N', 'I', 'N', 'G', ' ', 0x02, link::kAck, 0x05, link::kAck};
        for (uint8_t n = 1; n <= 16; ++n)
            bytes.insert(bytes.end(), {0x10, n, link::kAck});
        return bytes;
    }
    // What the program sent after EntryBytes, which it must have sent first.
    sim::Bytes SentAfterEntry() {
        const sim::Bytes sent = SentBytes();
        const std::size_t entry = EntryBytes().size();
        EXPECT_EQ(sim::Bytes(sent.begin(),
                             sent.begin() + static_cast<std::ptrdiff_t>(std::min(entry, sent.size()))),
                  EntryBytes());
        return sim::Bytes(sent.begin() + static_cast<std::ptrdiff_t>(std::min(entry, sent.size())),
                          sent.end());
    }

    TestModeState state;
    WaitWindowUi waitUi;
    int dialogRuns = 0;

private:
    std::unique_ptr<RadioLink> m_testLink;
};

} // namespace rpx::test
