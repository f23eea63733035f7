#include <gtest/gtest.h>

#include <optional>

#include "core/radio/bcd_frequency.h"
#include "core/radio/image_defaults.h"
#include "core/radio/model_dialog_rules.h"
#include "core/text/text_ids.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

constexpr TextId kModelChangeQuestion = 3003039;
constexpr TextId kKeysResetNote = 3003061;

class ModelDialogRulesTest : public ::testing::Test {
protected:
    void Start(const char* model, uint8_t code) {
        rules.reset();
        session.image.FillAll(0xFF);
        ApplyNewImageDefaults(session.image);
        session.image.SetModelString(model);
        session.image.SetRangeCode(code);
        ApplyBandTestFrequencies(session.image);
        rules.emplace(session, notifier);
        rules->Open();
    }

    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::NoTexts()};
    std::optional<ModelDialogRules> rules;
};

TEST_F(ModelDialogRulesTest, OpeningSelectsModelAndRange) {
    const struct {
        const char* model;
        uint8_t code;
        int modelSelection, freqSelection;
        uint8_t codeAfter;
    } cases[] = {
        {"MDL2A", 0x41, 2, 2, 0x41},
        {"MDL1A", 0x31, 0, 0, 0x11}, // a band of the other series moves into
                                     // this one
        {"MDL2B", 0x11, 3, 0, 0x31},
        {"MDL1A", 0x13, 0, 1, 0x13}, // band fits, no exact entry
        {"MDL1A", 0x12, 0, 1, 0x12},
        {"MDL1A", 0x22, 0, 0, 0x22},
        {"MDL1B", 0x10, 1, 0, 0x10},
        {"MDL1B", 0x13, 1, 2, 0x13},
        {"MDL1B", 0x20, 1, 1, 0x20},
        {"MDL2A", 0x33, 2, 1, 0x33},
        {"MDL2A", 0x43, 2, 2, 0x43},
        {"MDL2A", 0x52, 2, 0, 0x52},
        {"MDL2B", 0x30, 3, 1, 0x30},
        {"MDL2B", 0x41, 3, -1, 0x41},
        {"MDL2B", 0x50, 3, -1, 0x50},
        {"XYZ12", 0x31, -1, -1, 0x31},
    };
    for (const auto& c : cases) {
        Start(c.model, c.code);
        EXPECT_EQ(rules->ModelSelection(), c.modelSelection) << c.model << std::hex << int(c.code);
        EXPECT_EQ(rules->FreqSelection(), c.freqSelection) << c.model << std::hex << int(c.code);
        EXPECT_EQ(session.image.RangeCode(), c.codeAfter) << c.model << std::hex << int(c.code);
    }
}

// Cancel, Escape and a dialog torn down without OK or Cancel.
TEST_F(ModelDialogRulesTest, EndingWithoutOkRestoresEveryByte) {
    for (const bool cancelled : {true, false}) {
        Start("MDL2A", 0x51);
        session.extendedMode = true;
        const RadioImage before = session.image;
        rules->SelectModel(0);
        rules->SelectFreq(2);
        rules->SetHiddenFunctions(true);
        rules->SelectModel(3);
        if (cancelled) {
            rules->Cancel();
            EXPECT_FALSE(rules->ApplyAfterClose());
        } else {
            rules.reset();
        }
        EXPECT_EQ(session.image, before) << cancelled;
    }
}

TEST_F(ModelDialogRulesTest, ModelChangeResetsChannelsTrunkingAndTestFrequencies) {
    Start("MDL2A", 0x51);
    RadioImage& image = session.image;
    image.Fill(0x020, 16, 0x11); // a programmed channel 1
    image.SetByte(0x258, 3);
    image.SetByte(0x0DA, 3);
    image.SetByte(0x0AB, 1);
    image.SetByte(0x200, 1);
    image.SetByte(0x250, 15);
    image.SetByte(0x400, 0x12);
    image.Fill(0x2B0, 8, 0x33); // test pair 7
    session.trunkingMode = true;
    session.titleFilePart = "Site1.dat";
    rules->SelectFreq(1); // 0x31: band 5 -> band 3
    ASSERT_TRUE(rules->Ok());
    EXPECT_TRUE(rules->BandChanged());
    ASSERT_TRUE(rules->ApplyAfterClose());

    EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{kModelChangeQuestion});
    EXPECT_EQ(image.Byte(0x258), 0);
    EXPECT_EQ(image.Byte(0x0DA), 1);
    EXPECT_EQ(image.Byte(0x0AB), 0);
    EXPECT_EQ(image.Byte(0x200), 0);
    EXPECT_EQ(image.Byte(0x250), 0xFF);
    EXPECT_EQ(image.Byte(0x400), 0xFF);
    EXPECT_FALSE(session.trunkingMode);
    EXPECT_TRUE(image.AllEqual(0x020, 12, 0xFF));
    EXPECT_EQ(image.Byte(0x02C), 0x02);
    EXPECT_EQ(image.Byte(0x02F), 0x11) << "byte 15 of a record is kept";
    EXPECT_EQ(bcd::ReadFrequency(image, 0x280), 47005000u);
    EXPECT_TRUE(image.AllEqual(0x2B0, 8, 0xFF)) << "band change empties the test table";
    EXPECT_EQ(session.titleFilePart, "");
}

TEST_F(ModelDialogRulesTest, TwoGroupToOneGroupModelResetsTheProgrammableKeys) {
    Start("MDL2B", 0x31);
    session.image.SetByte(0x244, 11);
    session.image.SetByte(0x245, 11);
    session.image.SetByte(0x251, 16);
    rules->SelectModel(2);
    ASSERT_TRUE(rules->Ok());
    ASSERT_TRUE(rules->ApplyAfterClose());
    ASSERT_EQ(messenger.Shown().size(), 1u);
    EXPECT_EQ(messenger.Shown()[0].textIds, (std::vector<TextId>{kModelChangeQuestion, kKeysResetNote}));
    EXPECT_EQ(session.image.Byte(0x244), 6);
    EXPECT_EQ(session.image.Byte(0x245), 0xFF);
    EXPECT_EQ(session.image.Byte(0x251), 0xFF) << "the data channel list is emptied by the reset";
}

} // namespace
} // namespace rpx
