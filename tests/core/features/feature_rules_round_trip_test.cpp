#include <gtest/gtest.h>

#include <string>

#include "core/features/feature_rules.h"
#include "tests/support/golden_files.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

// Every feature dialog opened on each golden file and confirmed without a change keeps every byte,
// and shows the fields that the command line lists as its keys.
TEST(FeatureRulesRoundTrip, OkWithoutChangesKeepsEveryByteOfEveryGoldenFile) {
    ASSERT_FALSE(FeatureRulesNames().empty());
    for (const std::string model : {"MDL1A", "MDL1B", "MDL2A", "MDL2B"}) {
        test::ScriptedMessenger messenger;
        Notifier notifier(messenger, test::ShippedTexts());
        Session session = test::GoldenSession(model);
        const RadioImage golden = session.image;
        for (const std::string& name : FeatureRulesNames(true)) {
            auto rules = OpenFeatureRules(name, session, notifier);
            ASSERT_NE(rules, nullptr) << name;
            std::vector<std::string> shown;
            for (const SettingField& field : rules->Fields())
                shown.push_back(field.key);
            std::vector<std::string> listed;
            for (const SettingKey& key : FeatureRulesKeys(name, notifier.Texts()))
                listed.push_back(key.key);
            EXPECT_EQ(shown, listed) << name;
            EXPECT_TRUE(rules->Ok()) << model << ' ' << name;
            rules.reset();
            EXPECT_EQ(session.image, golden) << model << ' ' << name;
        }
        // Only the test frequency table's reminder to write the radio before test mode.
        EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{3003025}) << model;
    }
}

} // namespace
} // namespace rpx
