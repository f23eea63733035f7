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

TEST_F(PortDialogRulesTest, OpensOnTheStoredPortAndOkKeepsTheChoice) {
    const std::tuple<uint8_t, int, uint8_t> cases[] = {{3, 2, 3}, {4, 3, 4}, {7, 0, 1}};
    for (const auto& [stored, selection, afterOk] : cases) {
        port.SetPortNumber(stored);
        dialog.Open();
        EXPECT_EQ(dialog.Selection(), selection) << int(stored);
        EXPECT_EQ(dialog.Ok(), 1);
        EXPECT_EQ(port.PortNumber(), afterOk) << int(stored);
    }
}

TEST_F(PortDialogRulesTest, OnlyOkReopensAnOpenPortOnTheChosenNumber) {
    ASSERT_EQ(port.SetOpen(true), 1);
    dialog.Open();
    dialog.Select(1);
    mappedNumbers.clear();
    EXPECT_EQ(port.PortNumber(), 1) << "selecting alone changes nothing";
    EXPECT_EQ(dialog.Ok(), 1);
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(mappedNumbers, std::vector<uint8_t>{2});
}

TEST_F(PortDialogRulesTest, ADeviceChosenByPathIsSelectedAgainUntilANumberIsChosen) {
    port.SetPortNumber(2);
    dialog.AddDeviceChoice("Virtual radio", "virtual:radio");
    std::vector<std::string> labels;
    for (const PortChoice& choice : dialog.Choices())
        labels.push_back(choice.Label(test::ShippedTexts()));
    EXPECT_EQ(labels, (std::vector<std::string>{"COM1", "COM2", "COM3", "COM4", "Virtual radio"}));
    dialog.Open();
    EXPECT_EQ(dialog.Selection(), 1);
    dialog.Select(4);
    EXPECT_EQ(dialog.Ok(), 1);
    EXPECT_EQ(std::tuple(port.DevicePath(), port.PortNumber()), std::tuple("virtual:radio", 2));
    dialog.Open();
    EXPECT_EQ(dialog.Selection(), 4);

    // A typed path is offered as a choice of its own.
    port.SetDevicePath("/dev/ttyXR7");
    dialog.Open();
    ASSERT_EQ(dialog.Choices().size(), 6u);
    EXPECT_EQ(dialog.Selection(), 5);
    dialog.Select(2);
    dialog.Ok();
    EXPECT_EQ(std::tuple(port.ChosenDevicePath(), port.DevicePath()), std::tuple("", "/dev/port3"));
}

} // namespace
} // namespace rpx
