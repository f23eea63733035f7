#include <gtest/gtest.h>

#include <algorithm>

#include "core/features/function_port_rules.h"
#include "tests/core/features/rules_fixture.h"

namespace rpx {
namespace {

using Offset = FunctionPortRules::Offset;

class FunctionPortRulesTest : public test::RulesFixture<FunctionPortRules> {
protected:
    FunctionPortRulesTest() {
        session.image.SetModelString("MDL2B");
        session.image.SetRangeCode(0x31);
        for (std::size_t port = 0; port < 8; ++port)
            session.image.SetByte(Offset::kPorts + port, 0xFF);
        session.image.SetByte(Offset::kDevice, 0);
    }
    std::vector<int> Codes(int port) const {
        std::vector<int> codes;
        for (const FunctionPortRules::PortItem& item : rules->PortItems(port))
            codes.push_back(item.code);
        return codes;
    }
    bool Offers(int port, int code) const { return std::ranges::count(Codes(port), code) == 1; }
};

TEST_F(FunctionPortRulesTest, PortListsOfferEachFunctionOnOnePortOnly) {
    Reopen();
    EXPECT_EQ(Codes(0),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 32, 33, 34, 35, 36, 37, 38, 0xFF}))
        << "14..17 only by group; 0 only on port 2; 38 only on port 1";
    EXPECT_TRUE(Offers(1, 0) && !Offers(1, 38));

    const std::vector<int> port2 = Codes(1);
    const int dataPtt = static_cast<int>(std::ranges::find(port2, 13) - port2.begin());
    rules->SelectPortItem(1, dataPtt);
    EXPECT_EQ(Byte(Offset::kPorts + 1), 13);
    EXPECT_EQ(rules->PortText(1), "Data PTT (In)");
    for (int port : {0, 2, 7})
        EXPECT_FALSE(Offers(port, 13)) << port;
    EXPECT_TRUE(Offers(1, 13));

    rules->SelectDevice(3); // the device's own number is no port function either
    EXPECT_FALSE(Offers(4, 3));
    EXPECT_EQ(Codes(1)[static_cast<std::size_t>(rules->PortSelection(1))], 13);
}

TEST_F(FunctionPortRulesTest, LabelsFollowTheGroupDisplayAndTheDevice) {
    session.image.SetByte(layout::kProgrammableKey1, 11);
    session.image.SetByte(Offset::kPorts + 2, 15);
    session.image.SetByte(Offset::kPorts + 3, 40);
    session.image.SetByte(Offset::kPorts + 4, 60);
    Reopen();
    EXPECT_EQ(rules->PortText(2), "Group 2 Channel 2 (In)");
    EXPECT_EQ(rules->CodeLabel(6), "Group 1 Channel 2 (In)");
    EXPECT_TRUE(Offers(0, 14) && !Offers(0, 15));
    EXPECT_EQ(rules->PortText(3), "Off") << "39..44 need a device";
    EXPECT_EQ(rules->PortText(4), "Off");
    rules->SelectDevice(1);
    EXPECT_EQ(rules->PortText(3), "Data Busy (Out)");
    EXPECT_EQ(rules->PortSelection(3), static_cast<int>(Codes(3).size()) - 1) << "39..44 select no function";

    rules.reset();
    session.image.SetModelString("MDL2A");
    session.image.SetByte(layout::kProgrammableKey1, 4);
    Reopen();
    EXPECT_EQ(rules->CodeLabel(6), "Channel 2 (In)");
    EXPECT_EQ(rules->PortText(2), "Off");
}

TEST_F(FunctionPortRulesTest, OkTakesAwayTrunkingAndScramblerKeysThatTheDeviceNoLongerCarries) {
    session.image.SetByte(Offset::kDevice, 3);
    session.image.SetByte(layout::kTrunkingGroups, 3);
    session.image.SetByte(layout::kProgrammableKey2, 18);
    const RadioImage opened = session.image;
    Reopen().SelectDevice(0);
    rules.reset(); // Cancel puts both bytes back
    EXPECT_EQ(session.image, opened);

    for (auto [device, groups, key, trunking] :
         {std::tuple(0, 1, 10, false), std::tuple(3, 3, 10, true), std::tuple(4, 1, 18, false)}) {
        session.image = opened;
        Reopen().SelectDevice(device);
        ASSERT_TRUE(rules->Ok());
        EXPECT_EQ(
            std::tuple(Byte(layout::kTrunkingGroups), Byte(layout::kProgrammableKey2), session.trunkingMode),
            std::tuple(groups, key, trunking))
            << device;
    }
}

TEST_F(FunctionPortRulesTest, OpeningWritesUnsetDeviceAndIgnitionSenseAsZeroAndSetRefusesTakenFunctions) {
    session.image.SetByte(Offset::kDevice, 0xFF);
    session.image.SetByte(Offset::kIgnitionSense, 0xFF);
    session.image.SetByte(Offset::kPorts, 9);
    Reopen();
    EXPECT_EQ(std::tuple(Byte(Offset::kDevice), Byte(Offset::kIgnitionSense)), std::tuple(0, 0));
    EXPECT_FALSE(rules->Set("port-2", "Emergency (In)").Ok());
    EXPECT_TRUE(rules->Set("port-2", "hook (in)").Ok());
    EXPECT_TRUE(rules->Set("device", "SmarTrunk").Ok());
    EXPECT_TRUE(rules->Set("ignition-sense", "on").Ok());
    EXPECT_EQ(std::tuple(Byte(Offset::kPorts + 1), Byte(Offset::kDevice), Byte(Offset::kIgnitionSense)),
              std::tuple(0, 3, 1));
}

} // namespace
} // namespace rpx
