#include <functional>

#include "tests/link/test_mode_fixture.h"

namespace rpx {
namespace {

using test::ItemWithCode;
using Change = TuningDialogRules::PageChange;

class TuningDialogTest : public test::TestModeFixture {};

// Starting an item reads the values again and starts its point 0; each action then reaches the
// radio as the codes of the item's points, and the radio adjusts the entry of the point.
TEST_F(TuningDialogTest, EachActionSendsTheCodesOfItsPoints) {
    const sim::AdjustmentTable read = sim::DefaultAdjustments();
    const struct {
        const char* name;
        uint8_t item;
        bool wide;
        sim::Bytes sent; // after the start of point 0
        std::function<void(TuningDialogRules&)> act;
    } cases[] = {
        {"page change switches the transmitter off", 18, true,
         sim::Bytes{0x08, 0x0D, 0x08, 0x0E, 48, 0x0D, 51, 0x0D, 49, 0x0D, 50, 0x0D, 18, 0x0D},
         [&](TuningDialogRules& d) {
             ASSERT_TRUE(d.Radio().TogglePtt());
             for (std::size_t page : {1, 2, 3, 5, 0})
                 EXPECT_EQ(d.ChangePage(page), Change::Changed) << page;
             EXPECT_FALSE(state.transmitting);
         }},
        {"new value, the same again, OK", 20, true, sim::Bytes{100, 0x0D, 100, 0x20, 0x99, 100, 0x0E},
         [&](TuningDialogRules& d) {
             ASSERT_EQ(d.ChangePage(4), Change::Changed);
             ASSERT_TRUE(d.SetValue(0x99));
             ASSERT_TRUE(d.SetValue(0x99));
             EXPECT_EQ(Radio().TestState().adjustments[20], 0x99);
             d.Ok();
             EXPECT_EQ(Radio().TestState().tuningPoint, 0);
         }},
        {"narrow item: one page of its own entry", 12, false, sim::Bytes{12, 0x20, 0x11},
         [&](TuningDialogRules& d) {
             EXPECT_EQ(d.ChangePage(1), Change::Refused);
             EXPECT_EQ(d.Value(0), read[4]);
             ASSERT_TRUE(d.SetValue(0x11));
             EXPECT_EQ(Radio().TestState().adjustments[4], 0x11);
         }},
        {"cancel with one point restores it and stops", 32, true,
         sim::Bytes{32, 0x20, 0x01, 32, 0x20, read[22], 32, 0x0E},
         [&](TuningDialogRules& d) {
             ASSERT_TRUE(d.SetValue(0x01));
             d.Cancel();
             EXPECT_EQ(state.adjustments[22], read[22]);
             EXPECT_EQ(Radio().TestState().adjustments, read);
         }},
        {"cancel with several points restarts and restores each", 24, true,
         test::Join({{101, 0x0D, 101, 0x20, 0x02},
                     {24, 0x0D, 24, 0x20, read[28]},
                     {101, 0x0D, 101, 0x20, read[29]},
                     {102, 0x0D, 102, 0x20, read[30]},
                     {103, 0x0D, 103, 0x20, read[31], 103, 0x0E}}),
         [&](TuningDialogRules& d) {
             ASSERT_EQ(d.ChangePage(1), Change::Changed);
             ASSERT_TRUE(d.SetValue(0x02));
             d.Cancel();
             EXPECT_EQ(d.Value(1), read[29]);
             EXPECT_EQ(Radio().TestState().adjustments, read);
         }},
    };
    for (const auto& c : cases) {
        StartTestRadio();
        RunProgramTest([&](TestDialogRules& rules) {
            if (!c.wide) {
                ASSERT_TRUE(rules.SetWide(false));
            }
            state.adjustments.fill(0);
            std::optional<TuningDialogRules> dialog = rules.StartTuning(ItemWithCode(c.item));
            ASSERT_TRUE(dialog.has_value()) << c.name;
            EXPECT_TRUE(std::equal(read.begin(), read.end(), state.adjustments.begin())) << c.name;
            c.act(*dialog);
        });
        const sim::Bytes spacing = c.wide ? sim::Bytes{} : sim::Bytes{0x47};
        EXPECT_EQ(SentBytes(), InTestMode(test::Join({spacing, {0x05, 0x06, c.item, 0x0D}, c.sent})))
            << c.name;
    }
}

} // namespace
} // namespace rpx
