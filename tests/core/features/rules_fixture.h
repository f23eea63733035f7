#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/features/feature_rules.h"
#include "tests/core/editor/editor_test_image.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx::test {

// A feature window's rules over a session, the messages they show and the image they were opened on.
template <class Rules> class RulesFixture : public ::testing::Test {
protected:
    // Opens the rules afresh on the session's image, which becomes `before`.
    template <class... Args> Rules& Reopen(Args&&... args) {
        rules.reset();
        before = session.image;
        return rules.emplace(session, notifier, std::forward<Args>(args)...);
    }
    // The text the command line lists for key.
    std::string FieldText(std::string_view key) const {
        const std::vector<SettingField> fields = rules->Fields();
        const auto found = std::ranges::find(fields, key, &SettingField::key);
        return found == fields.end() ? "?" : found->text;
    }
    uint8_t Byte(std::size_t offset) const { return session.image.Byte(offset); }

    Session session;
    ScriptedMessenger messenger;
    Notifier notifier{messenger, ShippedTexts()};
    RadioImage before;
    std::optional<Rules> rules;
};

} // namespace rpx::test
