#include <gtest/gtest.h>

#include "core/features/orbicall_rules.h"
#include "tests/core/features/rules_fixture.h"

namespace rpx {
namespace {

using Offset = OrbicallRules::Offset;

class OrbicallRulesTest : public test::RulesFixture<OrbicallRules> {
protected:
    // fleet byte, ID word and delay word as stored.
    OrbicallRules& Start(uint8_t fleet, uint16_t id, uint16_t delay) {
        rules.reset();
        session.image = test::NewImage("MDL2B", 0x31);
        session.image.SetByte(Offset::kFleet, fleet);
        session.image.SetWord(Offset::kId, id);
        session.image.SetWord(Offset::kDelay, delay);
        return Reopen();
    }
    int Word(std::size_t offset) const { return session.image.Word(offset); }
};

TEST_F(OrbicallRulesTest, LoadingShowsNumbersInRangeAndEmptyOtherwise) {
    const struct {
        uint8_t fleet;
        uint16_t id, delay;
        const char *fleetText, *idText, *delayText;
    } cases[] = {
        {1, 1, 0, "100", "1000", "0"},        {250, 4000, 6000, "349", "4999", "6000"},
        {0, 0, 6001, "", "", "400"},          {251, 4001, 0xFFFF, "", "", "400"},
        {0xFF, 0xFFFF, 1234, "", "", "1234"},
    };
    for (const auto& c : cases) {
        Start(c.fleet, c.id, c.delay);
        EXPECT_EQ(rules->FleetText(), c.fleetText) << int(c.fleet);
        EXPECT_EQ(rules->IdText(), c.idText) << c.id;
        EXPECT_EQ(rules->DelayText(), c.delayText) << c.delay;
    }
}

TEST_F(OrbicallRulesTest, LeavingAFieldStoresClampedAndLinked) {
    using Store = void (OrbicallRules::*)(std::string_view);
    const struct {
        Store store;
        const char* typed;
        uint8_t fleetBefore;
        uint16_t idBefore;
        uint8_t fleetAfter;
        uint16_t idAfter;
    } cases[] = {
        {&OrbicallRules::StoreFleet, "99", 0xFF, 5, 1, 5},
        {&OrbicallRules::StoreFleet, "350", 0xFF, 5, 250, 5},
        {&OrbicallRules::StoreFleet, "123", 0xFF, 0, 24, 1}, // a fleet gives an unset ID the first one
        {&OrbicallRules::StoreFleet, "123", 0xFF, 0xFFFF, 24, 1},
        {&OrbicallRules::StoreFleet, "", 7, 0, 0xFF, 0},
        {&OrbicallRules::StoreId, "999", 7, 0, 7, 1},
        {&OrbicallRules::StoreId, "5000", 7, 0, 7, 4000},
        {&OrbicallRules::StoreId, "2999", 7, 0, 7, 2000},
        {&OrbicallRules::StoreId, "", 7, 300, 0xFF, 0}, // no ID, no fleet
    };
    for (const auto& c : cases) {
        Start(c.fleetBefore, c.idBefore, 0);
        (*rules.*c.store)(c.typed);
        EXPECT_EQ(Byte(Offset::kFleet), c.fleetAfter) << c.typed;
        EXPECT_EQ(Word(Offset::kId), c.idAfter) << c.typed;
    }
}

TEST_F(OrbicallRulesTest, DelayStoresAndSpinsWithinItsRange) {
    const struct {
        uint16_t before;
        const char* typed; // nullptr: a spin click by step
        int step;
        int after;
    } cases[] = {
        {0, "6000", 0, 6000},   {0, "6001", 0, 400},  {0, "", 0, 0},           {6000, nullptr, 1, 0},
        {0, nullptr, -1, 6000}, {17, nullptr, 1, 18}, {6001, nullptr, 1, 401},
    };
    for (const auto& c : cases) {
        Start(1, 1, c.before);
        if (c.typed != nullptr)
            rules->StoreDelay(c.typed);
        else
            rules->StepDelay(c.step);
        EXPECT_EQ(Word(Offset::kDelay), c.after) << c.before << " " << (c.typed ? c.typed : "spin");
    }
    Start(1, 1, 6001);
    rules->StoreDelay(rules->DelayText());
    EXPECT_EQ(std::pair(Byte(Offset::kDelay), Byte(Offset::kDelay + 1)),
              std::pair(uint8_t{0x90}, uint8_t{0x01}));
}

TEST_F(OrbicallRulesTest, TypedValuesFollowTheFieldsAndRefusalsChangeNothing) {
    Start(0xFF, 0, 0);
    for (const auto& [key, value] : {std::pair{"own-fleet", "1000"},
                                     {"own-fleet", "12a"},
                                     {"tx-delay", "-1"},
                                     {"baud-rate", "9600"},
                                     {"colour", "1"}})
        EXPECT_FALSE(rules->Set(key, value).Ok()) << key << "=" << value;
    EXPECT_EQ(session.image, before);
    ASSERT_TRUE(rules->Set("own-fleet", "200").Ok());
    ASSERT_TRUE(rules->Set("baud-rate", "2400").Ok());
    EXPECT_EQ(rules->Fields(),
              (std::vector<SettingField>{{"own-fleet", "200", OrbicallRules::Label::kFleet},
                                         {"own-id", "1000", OrbicallRules::Label::kId},
                                         {"tx-delay", "0", OrbicallRules::Label::kDelay},
                                         {"baud-rate", "2400", OrbicallRules::Label::kBaud}}));
    rules.reset();
    EXPECT_EQ(session.image, before);
}

} // namespace
} // namespace rpx
