#include <gtest/gtest.h>

#include <string>

#include "core/features/message_rules.h"
#include "tests/core/features/rules_fixture.h"

namespace rpx {
namespace {

constexpr std::size_t kLine2 = MessageRules::kFirstLine + MessageRules::kLineLength;

class MessageRulesTest : public test::RulesFixture<MessageRules> {
protected:
    MessageRules& Open(std::string_view storedLine2) {
        rules.reset();
        session.image.Fill(MessageRules::kFirstLine, 64, 0xFF);
        std::ranges::copy(storedLine2, session.image.Bytes().begin() + kLine2);
        return Reopen();
    }
    std::string StoredLine2() const {
        const auto bytes = session.image.Bytes().subspan(kLine2, MessageRules::kLineLength);
        return {bytes.begin(), bytes.end()};
    }
};

TEST_F(MessageRulesTest, LoadingShowsTheCharactersUpToTheFirstUnsetByte) {
    const std::string full(32, 'X');
    const struct {
        std::string stored, shown;
    } cases[] = {
        {"", ""},
        {"HELLO", "HELLO"},
        {full, full},
        {"AB\xff"
         "CD",
         "AB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Open(c.stored).Line(1), c.shown) << c.stored;
}

TEST_F(MessageRulesTest, OkStoresTheLineThenUnsetBytesAndAControlCharacterEmptiesIt) {
    const std::string full(32, 'M');
    const std::string unset(32, '\xff');
    const struct {
        std::string typed, stored;
    } cases[] = {
        {"HI", "HI" + std::string(30, '\xff')},
        {full, full},
        {full + "N", full}, // the field holds 32 characters
        {"", unset},
        {"A\tB", unset},
        {"\x1f", unset},
    };
    for (const auto& c : cases) {
        Open("OLD").SetLine(1, c.typed);
        EXPECT_EQ(StoredLine2(), "OLD" + std::string(29, '\xff')) << "written before OK: " << c.typed;
        ASSERT_TRUE(rules->Ok());
        rules.reset();
        EXPECT_EQ(StoredLine2(), c.stored) << c.typed;
    }
}

TEST_F(MessageRulesTest, SetRefusesALineLongerThanTheFieldAndAnUnknownKey) {
    Open("OLD");
    EXPECT_FALSE(rules->Set("line-2", std::string(33, 'A')).Ok());
    EXPECT_FALSE(rules->Set("line-3", "A").Ok());
    ASSERT_TRUE(rules->Set("line-2", std::string(32, 'A')).Ok());
    EXPECT_EQ(rules->Fields().back(),
              (SettingField{"line-2", std::string(32, 'A'), MessageRules::kLineLabel, " 2"}));
}

} // namespace
} // namespace rpx
