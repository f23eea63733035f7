#include "sim/tuning_codes.h"
#include "tests/link/test_mode_fixture.h"

namespace rpx {
namespace {

using test::ItemWithCode;
using Change = TuningDialogRules::PageChange;

class TuningDialogTest : public test::TestModeFixture {
protected:
    // Opens the test dialog, starts the item (after "G" when narrow) and hands its rules to tuning.
    void Tune(uint8_t code, bool wide, const std::function<void(TuningDialogRules&)>& tuning) {
        StartTestRadio();
        RunProgramTest([&](TestDialogRules& rules) {
            if (!wide) {
                ASSERT_TRUE(rules.SetWide(false));
            }
            std::optional<TuningDialogRules> dialog = rules.StartTuning(ItemWithCode(code));
            ASSERT_TRUE(dialog.has_value());
            Mark();
            tuning(*dialog);
        });
    }
    // From now on SentSinceMark collects what the program sends.
    void Mark() { m_mark = SentBytes().size(); }
    sim::Bytes SentSinceMark() {
        const sim::Bytes sent = SentBytes();
        return sim::Bytes(sent.begin() + static_cast<std::ptrdiff_t>(m_mark), sent.end());
    }

private:
    std::size_t m_mark = 0;
};

TEST_F(TuningDialogTest, StartingReadsTheValuesAgainAndStartsPointZero) {
    StartTestRadio();
    RunProgramTest([&](TestDialogRules& rules) {
        state.adjustments[12] = 0;
        ASSERT_TRUE(rules.StartTuning(ItemWithCode(18)).has_value());
        EXPECT_EQ(state.adjustments[12], sim::DefaultAdjustments()[12]);
        EXPECT_EQ(Radio().TestState().tuningPoint, 18);
    });
    EXPECT_EQ(SentAfterEntry(), (sim::Bytes{0x05, 0x06, 18, 0x0D, 0x45}));
}

TEST_F(TuningDialogTest, ChangingThePageSwitchesTheTransmitterOffAndStartsItsPoint) {
    Tune(18, true, [&](TuningDialogRules& dialog) {
        ASSERT_EQ(dialog.Pages().size(), 6u);
        ASSERT_TRUE(dialog.Radio().TogglePtt());
        sim::Bytes expected = {0x08, 0x0D, 0x08, 0x0E};
        for (const auto& [page, code] :
             {std::pair<std::size_t, uint8_t>{1, 48}, {2, 51}, {3, 49}, {5, 50}, {0, 18}}) {
            EXPECT_EQ(dialog.ChangePage(page), Change::Changed) << page;
            EXPECT_EQ(dialog.CurrentCode(), code) << page;
            expected.insert(expected.end(), {code, 0x0D});
        }
        EXPECT_FALSE(state.transmitting);
        EXPECT_EQ(SentSinceMark(), expected);
    });
}

TEST_F(TuningDialogTest, ValueChangeAndOkUseTheCurrentPointCode) {
    Tune(20, true, [&](TuningDialogRules& dialog) {
        ASSERT_EQ(dialog.ChangePage(4), Change::Changed);
        ASSERT_TRUE(dialog.SetValue(0x99));
        ASSERT_TRUE(dialog.SetValue(0x99)); // the same value again: nothing new for the radio
        EXPECT_EQ(dialog.Value(4), 0x99);
        EXPECT_EQ(Radio().TestState().adjustments[20], 0x99);
        dialog.Ok();
        EXPECT_EQ(SentSinceMark(), (sim::Bytes{100, 0x0D, 100, 0x20, 0x99, 100, 0x0E}));
        EXPECT_EQ(Radio().TestState().tuningPoint, 0);
    });
}

TEST_F(TuningDialogTest, NarrowItemsHaveOnePageAndTheirOwnEntry) {
    Tune(12, false, [&](TuningDialogRules& dialog) {
        ASSERT_EQ(dialog.Pages().size(), 1u);
        for (std::size_t page : {0, 1, 3})
            EXPECT_EQ(dialog.ChangePage(page), Change::Refused) << page;
        EXPECT_EQ(dialog.Value(0), sim::DefaultAdjustments()[4]);
        ASSERT_TRUE(dialog.SetValue(0x11));
        EXPECT_EQ(Radio().TestState().adjustments[4], 0x11);
        EXPECT_EQ(SentSinceMark(), (sim::Bytes{12, 0x20, 0x11}));
    });
}

TEST_F(TuningDialogTest, EveryPointAdjustsTheEntryTheRadioUses) {
    StartTestRadio();
    TestModeRadio radio(TestLink(), notifier, state);
    for (const TuningItem& item : TuningItems()) {
        for (bool wide : {true, false}) {
            state.wide = wide;
            const TuningDialogRules dialog(radio, session.image, test::ShippedTexts(), item);
            for (const TuningPage& page : dialog.Pages())
                EXPECT_EQ(item.AdjustmentEntry(page.point, wide),
                          sim::AdjustmentEntry(item.PointCode(page.point), wide))
                    << int(item.code) << " point " << page.point << " wide " << wide;
        }
    }
}

TEST_F(TuningDialogTest, CancelWithOnePointRestoresAndStops) {
    Tune(32, true, [&](TuningDialogRules& dialog) {
        ASSERT_TRUE(dialog.SetValue(0x01));
        Mark();
        dialog.Cancel();
        const uint8_t read = sim::DefaultAdjustments()[22];
        EXPECT_EQ(SentSinceMark(), (sim::Bytes{32, 0x20, read, 32, 0x0E}));
        EXPECT_EQ(Radio().TestState().adjustments[22], read);
        EXPECT_EQ(state.adjustments[22], read);
    });
}

TEST_F(TuningDialogTest, CancelWithSeveralPointsRestartsAndRestoresEachPoint) {
    const struct {
        uint8_t item;
        std::vector<uint8_t> codes;
        std::size_t firstEntry;
    } cases[] = {{24, {24, 101, 102, 103}, 28}, {20, {20, 96, 99, 97, 100, 98}, 16}};
    for (const auto& c : cases) {
        Tune(c.item, true, [&](TuningDialogRules& dialog) {
            ASSERT_EQ(dialog.ChangePage(1), Change::Changed);
            ASSERT_TRUE(dialog.SetValue(0x02));
            Mark();
            dialog.Cancel();
            const sim::AdjustmentTable read = sim::DefaultAdjustments();
            sim::Bytes expected;
            for (std::size_t p = 0; p < c.codes.size(); ++p)
                expected.insert(expected.end(), {c.codes[p], 0x0D, c.codes[p], 0x20, read[c.firstEntry + p]});
            expected.insert(expected.end(), {c.codes.back(), 0x0E});
            EXPECT_EQ(SentSinceMark(), expected) << int(c.item);
            EXPECT_EQ(Radio().TestState().adjustments, read);
            EXPECT_EQ(dialog.Value(1), read[c.firstEntry + 1]);
        });
    }
}

TEST_F(TuningDialogTest, TitleAndPageFrequencies) {
    StartTestRadio();
    TestModeRadio radio(TestLink(), notifier, state);
    for (const auto& [code, wide, title] :
         {std::tuple<uint8_t, bool, std::string>{24, true, "Max Deviation (Wide)"},
          {29, false, "MSK Deviation (Narrow)"},
          {18, true, "High Power"}}) {
        state.wide = wide;
        EXPECT_EQ(TuningDialogRules(radio, session.image, test::ShippedTexts(), ItemWithCode(code)).Title(),
                  title);
    }
    session.image.SetRangeCode(0x40); // band 4, version 0: the second pairs
    const TuningDialogRules dialog(radio, session.image, test::ShippedTexts(), ItemWithCode(18));
    EXPECT_EQ(dialog.ReceiveText(0), "498.55000 MHz");
    EXPECT_EQ(dialog.TransmitText(2), "491.85000 MHz");
    EXPECT_EQ(dialog.ReceiveText(5), "511.95000 MHz");
}

TEST_F(TuningDialogTest, CancelInTheNoReplyBoxClosesBothDialogs) {
    sim::RadioSetup setup = RadioSetupForImage();
    // Entry, the adjustment values with their ACK, the start of point 0, then the value request.
    setup.faults = {{sim::FaultKind::Garbage, kEntryReplies + 4}};
    StartTestRadio(setup);
    messenger.Answer(MessageAnswer::Cancel);
    RunProgramTest([&](TestDialogRules& rules) {
        std::optional<TuningDialogRules> dialog = rules.StartTuning(ItemWithCode(32));
        ASSERT_TRUE(dialog.has_value());
        EXPECT_FALSE(dialog->SetValue(0x01));
        dialog->Cancel();
        EXPECT_FALSE(rules.TuningClosed());
    });
    EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{3003005});
    EXPECT_EQ(SentAfterEntry(), (sim::Bytes{0x05, 0x06, 32, 0x0D, 32, 0x20, 0x01, 0x45}));
}

} // namespace
} // namespace rpx
