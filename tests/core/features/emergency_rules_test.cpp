#include <gtest/gtest.h>

#include "core/features/emergency_rules.h"
#include "tests/core/features/rules_fixture.h"

namespace rpx {
namespace {

using Field = EmergencyRules::Field;
using Offset = EmergencyRules::Offset;
using Use = EditScope;

class EmergencyRulesTest : public test::RulesFixture<EmergencyRules> {
protected:
    EmergencyRules& Open(const char* model = "MDL2B", uint8_t range = 0x31, Use use = Use::Dialog) {
        rules.reset();
        session.image = test::NewImage(model, range);
        return Reopen(use);
    }
    // Gives channel its RX frequency and, when tx, its TX frequency.
    void Program(int channel, bool tx) {
        session.image.SetByte(0x10 + 16 * channel, 0x00);
        if (tx)
            session.image.SetByte(0x10 + 16 * channel + 4, 0x00);
    }
};

TEST_F(EmergencyRulesTest, OpeningSetsAnUnsetTypeAndCycleAndCancelPutsThemBack) {
    session.image = test::NewImage("MDL2B", 0x31);
    session.image.SetByte(Offset::kType, 0xFF);
    session.image.SetByte(Offset::kCycle, 0xFF);
    Reopen();
    EXPECT_EQ(Byte(Offset::kType), 1);
    EXPECT_EQ(Byte(Offset::kCycle), 0);
    EXPECT_EQ(rules->Text(Field::Cycle), "Normal");
    rules.reset();
    EXPECT_EQ(Byte(Offset::kType), 0xFF);
    EXPECT_EQ(Byte(Offset::kCycle), 0xFF);
    Reopen(Use::SheetPage);
    EXPECT_EQ(session.image, before) << "the sheet's page rewrites nothing";
}

TEST_F(EmergencyRulesTest, LeavingAFieldStoresByItsRule) {
    using enum Field;
    const std::vector<uint8_t> noCode(16, 0xFF);
    const struct {
        Field field;
        std::size_t offset;
        const char* typed;
        std::vector<uint8_t> stored;
        const char* shown;
    } cases[] = {
        {Fleet, Offset::kFleet, "50", {1}, "100"},
        {Fleet, Offset::kFleet, "400", {250}, "349"},
        {Fleet, Offset::kFleet, "", {0xFF}, ""},
        {Id, Offset::kId, "5", {1, 0}, "1000"},
        {Id, Offset::kId, "9999", {0xA0, 0x0F}, "4999"},
        {Id, Offset::kId, "", {0, 0}, ""},
        {TxDuration, Offset::kTxDuration, "", {25}, "25"},
        {TxDuration, Offset::kTxDuration, "300", {255}, "255"},
        {RxDuration, Offset::kRxDuration, "", {5}, "5"},
        {RxDuration, Offset::kRxDuration, "0", {0}, "0"},
        {HornTime, Offset::kHornTime, "45", {30}, "30"},
        {LightTime, Offset::kLightTime, "Continuous", {0}, "Continuous"},
        {Cycle, Offset::kCycle, "250", {200}, "200"},
        {Cycle, Offset::kCycle, "0", {0}, "Normal"},
        {Code,
         Offset::kCode,
         "12*#AD",
         {0x31, 0x32, 0x2A, 0x23, 0x41, 0x44, 0xFF, 0xFF, 0xFF, 0xFF},
         "12*#AD"},
        {AckCode, Offset::kAckCode, "12E", noCode, ""},
        // Ten bytes: the byte after them is not the code's.
        {ResetCode,
         Offset::kResetCode,
         "0123456789",
         {0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x01},
         "0123456789"},
    };
    for (const auto& c : cases) {
        Open();
        session.image.SetByte(Offset::kCode + 15, 0x33);
        session.image.SetByte(Offset::kResetCode + 10, 0x01);
        rules->Commit(c.field, c.typed);
        for (std::size_t i = 0; i < c.stored.size(); ++i)
            EXPECT_EQ(session.image.Byte(c.offset + i), c.stored[i]) << c.typed << " byte " << i;
        EXPECT_EQ(rules->Text(c.field), c.shown) << c.typed;
    }
}

TEST_F(EmergencyRulesTest, SpinsWrapDurationsAndStopTimesAtTheirEnds) {
    using enum Field;
    const struct {
        Field field;
        const char* typed;
        int step;
        const char* shown;
    } cases[] = {
        {TxDuration, "255", 1, "0"}, {RxDuration, "0", -1, "255"},       {TxDuration, "", 1, "26"},
        {HornTime, "30", 1, "30"},   {LightTime, "1", -1, "Continuous"}, {Cycle, "Normal", -1, "Normal"},
        {Cycle, "199", 1, "200"},
    };
    for (const auto& c : cases) {
        Open();
        rules->Step(c.field, c.typed, c.step);
        EXPECT_EQ(rules->Text(c.field), c.shown) << c.typed << " " << c.step;
    }
}

TEST_F(EmergencyRulesTest, FieldsFollowTypeLogicSecretAndTheModelGate) {
    using enum Field;
    const struct {
        struct {
            uint8_t options, range, type, hornLogic, secret;
            Use use;
        } s;
        std::vector<Field> enabled, disabled;
    } cases[] = {
        {{0xFF, 0x31, 1, 1, 0, Use::Dialog},
         {Code, Type, HornTime, Cycle},
         {Fleet, Id, Recognition, PowerSwitch}},
        {{0xFF, 0x31, 0, 2, 1, Use::Dialog},
         {Fleet, Id, Recognition, PowerSwitch},
         {Code, AckCode, ResetCode, HornTime}},
        // Hidden functions on, or range 0x23: no signalling, outputs or cycle in the dialog.
        {{0xBF, 0x31, 0, 1, 0, Use::Dialog},
         {Channel, TxDuration},
         {Type, Fleet, Id, HornLogic, HornTime, Mic, Cycle}},
        {{0xFF, 0x23, 1, 1, 0, Use::Dialog}, {Code}, {Type, Fleet, LightLogic}},
        {{0xBF, 0x31, 0, 1, 0, Use::SheetPage}, {HornLogic, HornTime, Mic}, {}},
        {{0xBF, 0x31, 0, 2, 0, Use::SheetPage}, {LightTime}, {HornTime}},
    };
    for (const auto& c : cases) {
        rules.reset();
        session.image = test::NewImage("MDL2B", c.s.range);
        session.image.SetByte(RadioImage::kModelOptions, c.s.options);
        session.image.SetByte(Offset::kType, c.s.type);
        session.image.SetByte(Offset::kHornLogic, c.s.hornLogic);
        session.image.SetByte(Offset::kLightLogic, 1);
        session.image.SetByte(Offset::kSecret, c.s.secret);
        Reopen(c.s.use);
        for (Field field : c.enabled)
            EXPECT_TRUE(rules->Enabled(field)) << int(field) << " case options " << int(c.s.options);
        for (Field field : c.disabled)
            EXPECT_FALSE(rules->Enabled(field)) << int(field) << " case options " << int(c.s.options);
    }
}

TEST_F(EmergencyRulesTest, ChannelListOffersFullChannelsInPlainOrGroupDisplay) {
    const struct {
        const char* model;
        uint8_t key2;
        std::vector<std::string> items;
    } cases[] = {
        {"MDL2B", 6, {"None", "1", "3"}},
        {"MDL2B", 11, {"None", "Group 1 Ch 1", "Group 1 Ch 3", "Group 2 Ch 2"}},
        {"MDL2A", 11, {"None", "1", "3"}}, // no second group: plain
    };
    for (const auto& c : cases) {
        Open(c.model);
        session.image.SetByte(0x245, c.key2);
        Program(1, true);
        Program(2, false); // no TX frequency: not offered
        Program(3, true);
        Program(6, true);
        std::vector<std::string> items;
        for (const ListItem& item : rules->Items(Field::Channel))
            items.push_back(item.text);
        EXPECT_EQ(items, c.items) << c.model << " " << int(c.key2);
        rules->Select(Field::Channel, static_cast<int>(items.size()) - 1);
        EXPECT_EQ(Byte(Offset::kChannel), c.key2 == 11 && c.model[4] == 'B' ? 6 : 3);
        EXPECT_EQ(rules->Selection(Field::Channel), static_cast<int>(items.size()) - 1);
    }
    Open();
    for (const auto& [stored, selection] : {std::pair{0, 0}, {9, 0}, {2, -1}}) {
        session.image.SetByte(Offset::kChannel, static_cast<uint8_t>(stored));
        EXPECT_EQ(rules->Selection(Field::Channel), selection) << stored;
    }
}

TEST_F(EmergencyRulesTest, CommandLineValuesFollowTheFieldsAndRefusalsChangeNothing) {
    Open();
    session.image.SetByte(Offset::kType, 1);
    const RadioImage start = session.image;
    for (const auto& [key, value] : {std::pair{"fleet", "120"}, // greyed while DTMF is sent
                                     {"tx-duration", "1000"},
                                     {"horn-time", "1x"},
                                     {"code", "12345678901"},
                                     {"type", "FSK"},
                                     {"secret", "yes"},
                                     {"siren", "1"}})
        EXPECT_FALSE(rules->Set(key, value).Ok()) << key << "=" << value;
    EXPECT_EQ(session.image, start);
    EXPECT_TRUE(rules->Set("fleet", rules->Text(Field::Fleet)).Ok()) << "what it shows changes nothing";
    session.image.Fill(Offset::kAckCode, 16, '1');
    session.image.SetByte(Offset::kChannel, 2); // not offered: channel 2 has no frequencies
    for (const char* key : {"ack-code", "channel"})
        EXPECT_TRUE(rules->Set(key, rules->Fields()[key[0] == 'a' ? 5 : 0].text).Ok()) << key;
    EXPECT_EQ(Byte(Offset::kAckCode + 15), '1');
    EXPECT_EQ(Byte(Offset::kChannel), 2);
    session.image.Fill(Offset::kAckCode, 16, 0xFF);
    session.image.SetByte(Offset::kChannel, 0);
    for (const auto& [key, value] :
         {std::pair{"type", "msk"}, {"fleet", "120"}, {"horn-logic", "normal"}, {"horn-time", "Continuous"}})
        EXPECT_TRUE(rules->Set(key, value).Ok()) << key << "=" << value;
    EXPECT_EQ(Byte(Offset::kFleet), 21);
    EXPECT_EQ(Byte(Offset::kHornTime), 0);
    const std::vector<SettingField> fields = rules->Fields();
    EXPECT_EQ(fields[3].key + "=" + fields[3].text, "type=MSK");
    EXPECT_EQ(fields[7].key + "=" + fields[7].text, "fleet=120");
    rules.reset();
    EXPECT_EQ(session.image, before);
}

} // namespace
} // namespace rpx
