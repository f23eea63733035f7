#include <gtest/gtest.h>

#include <vector>

#include "core/link/memory_serial_pair.h"
#include "core/link/port_dialog_rules.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

class PortDialogRulesTest : public ::testing::Test {
protected:
    // Remembers which port numbers were turned into paths, i.e. which ports were opened.
    std::vector<uint8_t> mappedNumbers;
    MemorySerialPair pair;
    SerialPort port{pair.First(), [this](uint8_t n) {
                        mappedNumbers.push_back(n);
                        return "/dev/port" + std::to_string(n);
                    }};
    PortDialogRules dialog{port};
};

TEST_F(PortDialogRulesTest, OffersTheFourPortsByTheirTexts) {
    std::vector<std::string> labels;
    for (const PortChoice& choice : dialog.Choices())
        labels.push_back(choice.Label(test::ShippedTexts()));
    EXPECT_EQ(labels, (std::vector<std::string>{"COM1", "COM2", "COM3", "COM4"}));
}

TEST_F(PortDialogRulesTest, OpensOnTheStoredPortAndOkKeepsTheChoice) {
    const struct {
        uint8_t stored;
        int selection;
        uint8_t afterOk;
    } cases[] = {{1, 0, 1}, {3, 2, 3}, {4, 3, 4}, {7, 0, 1}, {255, 0, 1}};
    for (const auto& c : cases) {
        port.SetPortNumber(c.stored);
        dialog.Open();
        EXPECT_EQ(dialog.Selection(), c.selection) << int(c.stored);
        EXPECT_EQ(dialog.Ok(), 1);
        EXPECT_EQ(port.PortNumber(), c.afterOk) << int(c.stored);
    }
}

TEST_F(PortDialogRulesTest, CancelKeepsThePort) {
    port.SetPortNumber(3);
    dialog.Open();
    dialog.Select(0);
    EXPECT_EQ(port.PortNumber(), 3);
    EXPECT_EQ(port.DevicePath(), "/dev/port3");
}

TEST_F(PortDialogRulesTest, OkReopensAnOpenPortOnTheChosenNumber) {
    ASSERT_EQ(port.SetOpen(true), 1);
    dialog.Open();
    dialog.Select(1);
    mappedNumbers.clear();
    EXPECT_EQ(dialog.Ok(), 1);
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(mappedNumbers, std::vector<uint8_t>{2});
}

TEST_F(PortDialogRulesTest, DeviceChoiceUsesItsPathUntilANumberIsChosen) {
    port.SetPortNumber(2);
    dialog.AddDeviceChoice("Virtual radio", "virtual:radio");
    ASSERT_EQ(dialog.Choices().size(), 5u);
    EXPECT_EQ(dialog.Choices()[4].Label(test::ShippedTexts()), "Virtual radio");
    dialog.Open();
    EXPECT_EQ(dialog.Selection(), 1);
    dialog.Select(4);
    EXPECT_EQ(dialog.Ok(), 1);
    EXPECT_EQ(port.DevicePath(), "virtual:radio");
    EXPECT_EQ(port.PortNumber(), 2);

    dialog.Open();
    dialog.Select(2);
    dialog.Ok();
    EXPECT_EQ(port.DevicePath(), "/dev/port3");
}

} // namespace
} // namespace rpx

namespace rpx {
namespace {

TEST(PortDialogRulesDevicePath, ADeviceChosenByPathIsSelectedAgain) {
    MemorySerialPair pair;
    SerialPort port(pair.First(), [](uint8_t n) { return "/dev/ttyS" + std::to_string(n - 1); });
    port.SetDevicePath("Virtual radio");
    PortDialogRules rules(port);
    rules.AddDeviceChoice("Virtual radio", "Virtual radio");
    rules.Open();
    EXPECT_EQ(rules.Selection(), 4);
    rules.Ok();
    EXPECT_EQ(port.ChosenDevicePath(), "Virtual radio");

    port.SetDevicePath("/dev/ttyXR7");
    PortDialogRules again(port);
    again.Open();
    ASSERT_EQ(again.Choices().size(), 5u) << "a typed path stays offered";
    EXPECT_EQ(again.Selection(), 4);
    again.Select(2);
    again.Ok();
    EXPECT_EQ(port.ChosenDevicePath(), "");
    EXPECT_EQ(port.PortNumber(), 3);
}

} // namespace
} // namespace rpx
