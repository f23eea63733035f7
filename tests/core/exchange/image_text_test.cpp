#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/exchange/image_diff.h"
#include "core/exchange/image_text.h"
#include "core/features/feature_rules.h"
#include "tests/support/golden_files.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

RadioImage Golden(const std::string& model) {
    return test::GoldenSession(model, true).image;
}

// The four golden files and random images, whose bytes mean nothing to any dialog and whose message
// lines hold control characters and backslashes.
std::vector<RadioImage> Samples() {
    std::vector<RadioImage> images;
    for (const std::string model : {"MDL1A", "MDL1B", "MDL2A", "MDL2B"})
        images.push_back(Golden(model));
    std::mt19937 random(41);
    for (int n = 0; n < 12; ++n) {
        RadioImage image = images[n % 4];
        for (std::size_t i = 0; i < RadioImage::kSize; ++i)
            if (n >= 4 || random() % 8 == 0)
                image.SetByte(i, static_cast<uint8_t>(random()));
        images.push_back(image);
    }
    return images;
}

TEST(ImageText, GivesEveryImageBackByteForByte) {
    test::ScriptedMessenger messenger;
    Notifier notifier(messenger, test::ShippedTexts());
    for (const bool extended : {false, true})
        for (const RadioImage& image : Samples()) {
            const std::string text = ImageToText(image, extended, notifier.Texts());
            const Result<RadioImage> back = ImageFromText(text, extended, notifier);
            ASSERT_TRUE(back) << back.Message();
            EXPECT_EQ(*back, image) << text;
            EXPECT_TRUE(DiffImages(image, *back, extended, notifier.Texts()).Empty());
        }
    EXPECT_TRUE(messenger.Shown().empty());
}

// An edited value is stored as its dialog stores it, and is what a diff then shows.
TEST(ImageText, AnEditedValueIsSetAsItsDialogSetsIt) {
    test::ScriptedMessenger messenger;
    Notifier notifier(messenger, test::ShippedTexts());
    const RadioImage golden = Golden("MDL2A");
    std::string text = ImageToText(golden, false, notifier.Texts());
    const std::size_t at = text.find("scan.dropout-delay-time: ");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, text.find('\n', at) - at, "scan.dropout-delay-time: 4.7");

    Session session;
    session.image = golden;
    auto rules = OpenFeatureRules("scan", session, notifier);
    ASSERT_TRUE(rules->Set("dropout-delay-time", "4.7"));
    ASSERT_TRUE(rules->Ok());
    rules.reset();
    const Result<RadioImage> imported = ImageFromText(text, false, notifier);
    ASSERT_TRUE(imported) << imported.Message();
    EXPECT_EQ(*imported, session.image);
    const ImageDiff diff = DiffImages(golden, *imported, false, notifier.Texts());
    ASSERT_EQ(diff.fields.size(), 1u);
    EXPECT_EQ(diff.fields[0].key, "scan.dropout-delay-time");
    EXPECT_TRUE(diff.bytes.empty());
}

TEST(ImageText, RefusesWhatItCannotRead) {
    test::ScriptedMessenger messenger;
    Notifier notifier(messenger, test::ShippedTexts());
    const std::string good = ImageToText(Golden("MDL1A"), false, notifier.Texts());
    const auto spoilt = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    for (const std::string& text :
         {spoilt("# rpx41c", "# other"), spoilt("\n7F0:", "\n7F1:"), spoilt("\n000: FF", "\n000: F"),
          spoilt("channel.1.rx:", "channel.9.rx:"), spoilt("channel.1.rx: ", "channel.1.rx: 1x"),
          good.substr(0, good.size() / 2)})
        EXPECT_FALSE(ImageFromText(text, false, notifier)) << text.substr(0, 200);
}

// Bytes no field shows are listed by offset; a field's bytes only under its key.
TEST(ImageDiff, ListsFieldsByKeyAndOtherBytesByOffset) {
    const RadioImage before = Golden("MDL2A");
    RadioImage after = before;
    after.SetByte(0x3F0, static_cast<uint8_t>(before.Byte(0x3F0) ^ 0x5A));
    after.SetByte(0x020, 0x75); // the lowest BCD digits of channel 1's RX frequency
    const ImageDiff diff = DiffImages(before, after, false, test::ShippedTexts());
    ASSERT_EQ(diff.fields.size(), 1u);
    EXPECT_EQ(diff.fields[0].key, "channel.1.rx");
    ASSERT_EQ(diff.bytes.size(), 1u);
    EXPECT_EQ(diff.bytes[0].offset, 0x3F0u);
    EXPECT_EQ(DiffLines(diff).back().substr(0, 7), "0x3F0: ");
}

} // namespace
} // namespace rpx
