#include <gtest/gtest.h>

#include <string>

#include "core/features/feature_rules.h"
#include "core/radio/document.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

// Every feature dialog opened on each golden file and closed with OK, untouched, keeps every byte.
TEST(FeatureRulesRoundTrip, OkWithoutChangesKeepsEveryByte) {
    for (const std::string model : {"MDL1A", "MDL1B", "MDL2A", "MDL2B"}) {
        test::ScriptedMessenger messenger;
        Notifier notifier(messenger, test::ShippedTexts());
        Session session;
        Document document(session, notifier);
        ASSERT_TRUE(document.FileOpen(RPX_SOURCE_DIR "/tests/data/" + model + ".dat")) << model;
        const RadioImage golden = session.image;
        for (const std::string& name : FeatureRulesNames()) {
            auto rules = OpenFeatureRules(name, session, notifier);
            ASSERT_TRUE(rules != nullptr) << name;
            EXPECT_FALSE(rules->Fields().empty()) << name;
            EXPECT_TRUE(rules->Ok()) << model << " " << name;
            rules.reset();
            EXPECT_EQ(session.image, golden) << model << " " << name;
        }
        EXPECT_TRUE(messenger.Shown().empty()) << model;
    }
}

} // namespace
} // namespace rpx
