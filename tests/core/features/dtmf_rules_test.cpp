#include <gtest/gtest.h>

#include "core/features/dtmf_rules.h"
#include "tests/core/features/rules_fixture.h"

namespace rpx {
namespace {

using Offset = DtmfRules::Offset;
using Spin = DtmfRules::Spin;
using List = DtmfRules::List;
using Box = DtmfRules::Box;
using Page = DtmfRules::Page;

class DtmfRulesTest : public test::RulesFixture<DtmfRules> {
protected:
    DtmfRules& Start(std::initializer_list<std::pair<std::size_t, uint8_t>> bytes = {}) {
        rules.reset();
        session.image = test::NewImage("MDL2B", 0x31);
        for (const auto& [offset, value] : bytes)
            session.image.SetByte(offset, value);
        return Reopen();
    }
    std::vector<uint8_t> Bytes(std::size_t offset, std::size_t count) const {
        std::vector<uint8_t> bytes;
        for (std::size_t i = 0; i < count; ++i)
            bytes.push_back(session.image.Byte(offset + i));
        return bytes;
    }
    static std::vector<uint8_t> Padded(std::string_view text, std::size_t size, uint8_t first = 0xFF) {
        std::vector<uint8_t> bytes(text.begin(), text.end());
        bytes.resize(size, 0xFF);
        if (text.empty())
            bytes[0] = first;
        return bytes;
    }
};

TEST_F(DtmfRulesTest, CodesAreStoredWhenLeftAndWrongOnesCleared) {
    const struct {
        int slot; // -1 the ID code, -2 the stun code
        const char* typed;
        const char* stored; // what the field and the slot hold afterwards
        TextId refusal;
    } cases[] = {
        {0, "12*#AD", "12*#AD", 0},
        {0, "12E", "", 0},
        {8, "0123456789ABCD*#", "0123456789ABCD*#", 0},
        {DtmfRules::kEndCode, "", "", 0},
        {-1, "4711", "4711", 0},
        {-1, "12a45", "000", 0},
        {-1, "12", "000", 3003037}, // too short: nothing stored
        {-1, "", "000", 3003037},
        {-2, "", "", 0},
        {-2, "AB", "", 3003037},
        {-2, "1A*", "1A*", 0},
        {-2, "12X", "", 0},
    };
    for (const auto& c : cases) {
        Start();
        if (c.slot == -1) {
            EXPECT_EQ(rules->LeaveIdCode(c.typed), c.refusal) << c.typed;
            EXPECT_EQ(rules->IdCodeText(), c.stored) << c.typed;
            EXPECT_EQ(Bytes(Offset::kIdCode, 10), Padded(c.stored, 10)) << c.typed;
        } else if (c.slot == -2) {
            EXPECT_EQ(rules->LeaveStunCode(c.typed), c.refusal) << c.typed;
            EXPECT_EQ(rules->StunCodeText(), c.stored) << c.typed;
            EXPECT_EQ(Bytes(Offset::kStunCode, 10), Padded(c.stored, 10, 0x00))
                << "the empty form: " << c.typed;
        } else {
            rules->LeaveCode(c.slot, c.typed);
            EXPECT_EQ(rules->CodeText(c.slot), c.stored) << c.typed;
            EXPECT_EQ(Bytes(Offset::kCodes + 16 * c.slot, 16), Padded(c.stored, 16)) << c.typed;
            EXPECT_EQ(session.image.Byte(Offset::kCodeLengths + c.slot), std::string_view(c.stored).size());
        }
    }
    Start({{Offset::kCodeLengths + 3, 0xFF}, {Offset::kCodeLengths + 4, 1}, {Offset::kCodes + 64, 1}});
    EXPECT_EQ(rules->CodeText(3), "") << "an erased length is an empty slot";
    EXPECT_EQ(rules->CodeText(4), "?") << "control characters are not printed";
}

TEST_F(DtmfRulesTest, ATooShortCodeHoldsThePageUntilStoredAndCancelSkipsTheCheck) {
    Start({{Offset::kAlertToneLevel, 5}, {Offset::kCallAlert, 2}});
    EXPECT_EQ(rules->LeaveStunCode("1"), 3003037);
    EXPECT_EQ(rules->ChangePage(Page::Memory), 3003037);
    EXPECT_EQ(rules->LeaveStunCode(rules->StunCodeText()), 0);
    EXPECT_EQ(rules->ChangePage(Page::AlertTone), 0);
    rules->PressCancel();
    EXPECT_EQ(rules->LeaveIdCode("1"), 0);
    EXPECT_EQ(rules->IdCodeText(), "000") << "nothing stored on the way to Cancel";
    EXPECT_TRUE(messenger.Shown().empty());
}

TEST_F(DtmfRulesTest, TheAlertTonePageNeedsALevelAndTheSpecialCallAlert) {
    const struct {
        uint8_t level, callAlert;
        TextId refusal;
    } cases[] = {{1, 2, 0}, {0, 2, 3003023}, {32, 1, 3003023}, {32, 3, 3003023}};
    for (const auto& c : cases) {
        Start({{Offset::kAlertToneLevel, c.level}, {Offset::kCallAlert, c.callAlert}});
        EXPECT_EQ(rules->ChangePage(Page::AlertTone), c.refusal) << int(c.level) << " " << int(c.callAlert);
        EXPECT_EQ(rules->ChangePage(Page::Memory), 0);
    }
}

TEST_F(DtmfRulesTest, SpinsLoadStepAndTakeTypedValuesWithinTheirRange) {
    const struct {
        Spin spin;
        uint8_t stored;
        const char* shown;
        int step;          // a click when typed is nullptr
        const char* typed; // the field left holding this
        uint8_t storedAfter;
        const char* shownAfter;
    } cases[] = {
        {Spin::FirstDigitDelay, 150, "1000", -1, nullptr, 95, "950"},
        {Spin::FirstDigitDelay, 5, "100", -1, nullptr, 10, "100"},
        {Spin::FirstDigitDelay, 20, "200", 0, "1234", 100, "1000"},
        {Spin::FirstDigitDelay, 20, "200", 0, "130", 13, "130"},
        {Spin::Speed, 3, "15", 1, nullptr, 3, "15"},
        {Spin::Speed, 0, "6", 0, "12", 2, "10"},
        {Spin::Speed, 1, "8", 0, "5", 0, "6"},
        {Spin::FirstDigitTime, 3, "1000", 1, nullptr, 0, "0"},
        {Spin::StarHashTone, 0, "0", -1, nullptr, 3, "1000"},
        {Spin::DKey, 17, "None", 1, nullptr, 1, "1"},
        {Spin::DKey, 16, "16", 0, "None", 0, "None"},
        {Spin::AlertToneLevel, 31, "31", 1, nullptr, 32, "Normal"},
        {Spin::AutoResetTimer, 1, "1", -1, nullptr, 0, "Off"},
        {Spin::HornAlertTime, 30, "30", 0, "45", 30, "30"},
    };
    for (const auto& c : cases) {
        const std::size_t offset =
            std::array{Offset::kSpeed,          Offset::kFirstDigitTime, Offset::kFirstDigitDelay,
                       Offset::kStarHashTone,   Offset::kDKey,           Offset::kAlertToneLevel,
                       Offset::kAutoResetTimer, Offset::kHornAlertTime}[int(c.spin)];
        Start({{offset, c.stored}});
        EXPECT_EQ(rules->SpinText(c.spin), c.shown) << int(c.spin) << " " << int(c.stored);
        EXPECT_EQ(session.image, before) << "loading writes nothing";
        EXPECT_EQ(c.typed ? rules->LeaveSpin(c.spin, c.typed) : rules->StepSpin(c.spin, c.step),
                  c.shownAfter);
        EXPECT_EQ(session.image.Byte(offset), c.storedAfter) << int(c.spin) << " " << int(c.stored);
    }
}

TEST_F(DtmfRulesTest, ListsMapTheirItemsToBytes) {
    const struct {
        List list;
        std::size_t offset;
        uint8_t stored;
        int shown;
        int chosen;
        uint8_t storedAfter;
    } cases[] = {
        {List::GroupCode, Offset::kGroupCode, '#', 5, 0, 0},
        {List::GroupCode, Offset::kGroupCode, 'Z', 0, 6, '*'},
        {List::DtmfKeys, Offset::kDtmfKeys, 0xFF, 0, 1, 0},
        {List::DtmfKeys, Offset::kDtmfKeys, 7, 1, 0, 0xFF},
        {List::CallAlert, Offset::kCallAlert, 3, 0, 2, 2},
        {List::Transpond, Offset::kTranspond, 2, 2, 1, 1},
        {List::StunType, Offset::kStunType, 0, 0, 1, 2},
        {List::StunType, Offset::kStunType, 2, 1, 0, 1},
        {List::HornAlertLogic, Offset::kHornAlertLogic, 1, 1, 0, 0},
    };
    for (const auto& c : cases) {
        Start({{c.offset, c.stored}});
        EXPECT_EQ(rules->ListSelection(c.list), c.shown) << int(c.list) << " " << int(c.stored);
        rules->SelectList(c.list, c.chosen);
        EXPECT_EQ(session.image.Byte(c.offset), c.storedAfter) << int(c.list) << " " << c.chosen;
    }
}

TEST_F(DtmfRulesTest, DependentControlsAreGreyedWithoutChangingTheirBytes) {
    Start({{Offset::kManualDial, 1},
           {Offset::kKeypadAutoPtt, 1},
           {Offset::kAlertToneLevel, 1},
           {Offset::kHornAlertLogic, 1},
           {RadioImage::kModelOptions, 0xFF}});
    EXPECT_TRUE(rules->Enabled(Box::KeypadAutoPtt));
    EXPECT_TRUE(rules->Enabled(Spin::HornAlertTime));
    rules->SetChecked(Box::ManualDial, false);
    rules->StepSpin(Spin::AlertToneLevel, -1);
    rules->SelectList(List::HornAlertLogic, 0);
    EXPECT_FALSE(rules->Enabled(Box::KeypadAutoPtt));
    EXPECT_FALSE(rules->Enabled(List::CallAlert));
    EXPECT_FALSE(rules->Enabled(Spin::HornAlertTime));
    EXPECT_EQ(session.image.Byte(Offset::kKeypadAutoPtt), 1);
    rules->SetChecked(Box::HoldTime, true);
    EXPECT_EQ(session.image.Byte(Offset::kHoldTime), 200);
    // The horn alert needs the model's data signalling: bit 6 of the options, and not range 0x23.
    for (const auto& [options, range, available] :
         {std::tuple{0xFF, 0x31, true}, {0xBF, 0x31, false}, {0xFF, 0x23, false}}) {
        Start({{RadioImage::kModelOptions, uint8_t(options)}, {RadioImage::kRangeCode, uint8_t(range)}});
        EXPECT_EQ(rules->Enabled(List::HornAlertLogic), available) << options << " " << range;
    }
}

TEST_F(DtmfRulesTest, APageOfAnotherWindowLeavesTheEditToThatWindow) {
    Start();
    rules.reset();
    ScopedImageEdit sheet(session.image, session.snapshot, ScopedImageEdit::Scope::Sheet);
    {
        DtmfRules page(session, notifier);
        page.SelectList(List::HornAlertLogic, 1);
    }
    EXPECT_EQ(session.image.Byte(Offset::kHornAlertLogic), 1);
}

TEST_F(DtmfRulesTest, TheCommandLineFollowsTheWindowsRulesAndRefusalsChangeNothing) {
    Start({{Offset::kAlertToneLevel, 0}, {Offset::kManualDial, 0}});
    for (const auto& [key, value] : {std::pair{"tone-1-frequency", "1000"}, // the tone page is refused
                                     {"keypad-auto-ptt", "on"},             // greyed
                                     {"id-code", "12"},
                                     {"stun-code", "1E3"},
                                     {"memory-1", "12345678901234567"},
                                     {"first-digit-delay", "1x"},
                                     {"group-code", "E"},
                                     {"tone-17-length", "10"}})
        EXPECT_FALSE(rules->Set(key, value).Ok()) << key << "=" << value;
    EXPECT_EQ(session.image, before);
    for (const auto& [key, value] : {std::pair{"alert-tone-level", "5"},
                                     {"call-alert", "special"},
                                     {"tone-1-frequency", "2510"},
                                     {"tone-2-frequency", ""},
                                     {"memory-2", "a1#"},
                                     {"stun-code", "12ab"},
                                     {"group-code", "#"}})
        EXPECT_TRUE(rules->Set(key, value).Ok()) << key << "=" << value;
    EXPECT_EQ(FieldText("tone-1-frequency"), "2500");
    EXPECT_EQ(FieldText("tone-2-frequency"), "Off");
    EXPECT_EQ(FieldText("memory-2"), "A1#");
    EXPECT_EQ(FieldText("stun-code"), "12AB");
    EXPECT_EQ(FieldText("group-code"), "#");
    rules.reset();
    EXPECT_EQ(session.image, before) << "no OK, every byte back";
}

TEST(ToneSequenceRules, FrequencySpinsRunFrom400ToNotUsedAndRound) {
    RadioImage image;
    image.SetByte(ToneSequenceLayout::kFrequencies, 250);
    image.SetByte(ToneSequenceLayout::kFrequencies + 1, 0);
    image.SetByte(ToneSequenceLayout::kLengths, 0);
    image.SetByte(ToneSequenceLayout::kInterval, 0);
    ToneSequenceRules tones(image, test::ShippedTexts());
    EXPECT_EQ(tones.FrequencyText(1), "Off");
    EXPECT_EQ(tones.StepFrequency(1, -1), "2500");
    const struct {
        int step;
        const char* typed;
        const char* shown;
        uint8_t stored;
    } sequence[] = {
        {1, nullptr, "Off", 0},  {1, nullptr, "400", 40},  {-1, nullptr, "Off", 0}, {-1, nullptr, "Off", 0},
        {1, nullptr, "400", 40}, {0, "3000", "2500", 250}, {0, "123", "400", 40},   {0, "", "Off", 0},
        {0, "Off", "Off", 0},    {0, "1234", "1230", 123},
    };
    for (const auto& s : sequence) {
        EXPECT_EQ(s.typed ? tones.LeaveFrequency(0, s.typed) : tones.StepFrequency(0, s.step), s.shown);
        EXPECT_EQ(image.Byte(ToneSequenceLayout::kFrequencies), s.stored) << s.shown;
    }
    EXPECT_EQ(tones.LeaveLength(0, "9999"), "2500");
    EXPECT_EQ(tones.StepLength(0, 1), "2500");
    EXPECT_EQ(tones.StepInterval(-1), "0");
    EXPECT_EQ(tones.LeaveInterval("125"), "120");
    tones.SetRepeat(false);
    EXPECT_EQ(image.Byte(ToneSequenceLayout::kRepeat), 1);
    const std::vector<std::string> cells = tones.SummaryCells();
    ASSERT_EQ(cells.size(), 33u);
    EXPECT_EQ(std::vector(cells.begin(), cells.begin() + 2), (std::vector<std::string>{"1230", "2500"}));
    EXPECT_EQ(cells[16], "2500");
    EXPECT_EQ(cells[32], "120");
}

} // namespace
} // namespace rpx
