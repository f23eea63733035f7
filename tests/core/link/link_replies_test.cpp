#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/link/link_replies.h"

namespace rpx {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Reply(std::initializer_list<uint8_t> head, std::size_t length, uint8_t fill = 0x41) {
    Bytes reply(head);
    reply.resize(length, fill);
    return reply;
}

// Every parser refuses a reply that is one byte short or long, or whose first byte is wrong (where
// the protocol fixes it); a block reply also refuses a length byte other than 16.
TEST(LinkReplies, OnlyWellFormedRepliesParse) {
    using Parser = std::function<bool(std::span<const uint8_t>)>;
    const auto parses = [](auto parse) -> Parser {
        return [parse](std::span<const uint8_t> r) { return parse(r).has_value(); };
    };
    const struct {
        const char* name;
        Parser parse;
        Bytes good;
        bool firstByteFixed;
    } cases[] = {
        {"identification", parses(ParseIdentification), Reply({'M', 'D', 'L', '2', 'A', '1'}, 8), false},
        {"memory size", parses(ParseMemorySize), Reply({0x00, 0x33}, 10), false},
        {"password", parses(ParsePasswordReply), Reply({0x57, 0x00, 0xD0, 0x0A}, 14), true},
        {"message", parses(ParseMessageReply), Reply({0x57, 0x03, 0x00, 0x40}, 68), true},
        {"block", parses(ParseBlockReply), Reply({0x57, 0x01, 0x20, 0x10}, 20), true},
        {"information", parses(ParseInformationReply), Reply({0x4E}, 25), true},
        {"adjustments", parses(ParseAdjustmentReply), Reply({}, 62), false},
        {"test channel", parses(ParseTestChannelRecord), Reply({}, 8), false},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.parse(c.good)) << c.name;
        const Bytes shorter(c.good.begin(), c.good.end() - 1);
        Bytes longer = c.good;
        longer.push_back(0x06);
        Bytes wrongStart = c.good;
        wrongStart[0] = 0x5A;
        EXPECT_FALSE(c.parse(shorter)) << c.name;
        EXPECT_FALSE(c.parse(longer)) << c.name;
        EXPECT_EQ(c.parse(wrongStart), !c.firstByteFixed) << c.name;
    }
    for (uint8_t length : {0x00, 0x08, 0x0F, 0x11, 0xFF})
        EXPECT_FALSE(ParseBlockReply(Reply({0x57, 0x01, 0x20, length}, 20))) << int(length);
}

TEST(LinkReplies, FieldsComeFromTheirBytes) {
    // Page and offset stay as the radio sent them; nothing compares them with the request.
    Bytes block = Reply({0x57, 0x07, 0xF0, 0x10}, 20);
    block[19] = 0x99;
    const auto parsed = ParseBlockReply(block);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->page, 0x07);
    EXPECT_EQ(parsed->offset, 0xF0);
    EXPECT_EQ(parsed->data[0], 0x41);
    EXPECT_EQ(parsed->data[15], 0x99);

    const auto id = ParseIdentification(Bytes{'E', '6', '1', '8', '2', 0x31, 0x00, 0x00});
    ASSERT_TRUE(id);
    EXPECT_EQ(id->ModelCode(), "E61821");
    EXPECT_EQ(id->RadioType(), 1u);
    EXPECT_TRUE(id->KnownModel());
    EXPECT_TRUE(id->BlankModel());
    EXPECT_FALSE(id->Readable());
    EXPECT_FALSE(ParseIdentification(Bytes{'m', 'D', 'L', '2', 'A', 0x30, 0x40, 0x00})->KnownModel());

    const auto memory = ParseMemorySize(Reply({0x00, 0x33, 0, 0, 0, 0, 0xFF}, 10));
    EXPECT_TRUE(memory->has2048 && memory->refusesExtended);
    EXPECT_FALSE(ParseMemorySize(Reply({0x00, 0x32}, 10))->has2048);

    const auto none = ParsePasswordReply(Reply({0x57, 0x00, 0xD0, 0x0A}, 14, 0xFF));
    EXPECT_TRUE(none && !none->set && none->password.empty());
    const auto password = ParsePasswordReply(Reply({0x57, 0x00, 0xD0, 0x0A, '4', '7', 0xFF, '1'}, 14));
    EXPECT_TRUE(password && password->set);
    EXPECT_EQ(password->password, "47");

    Bytes message = Reply({0x57, 0x03, 0x00, 0x40, 'F', 0xFF, 'X'}, 68, ' ');
    message[36] = 0xFF;
    const auto lines = ParseMessageReply(message);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->line1.substr(0, 2), "FX");
    EXPECT_EQ(lines->line2, "");

    const auto info = ParseInformationReply(Reply({0x4E, '1', '2'}, 25, 'Z'));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->text[1], '2');
    EXPECT_EQ(info->modelCode, "ZZZZZZZZ");

    EXPECT_TRUE(IsAcknowledgement(0x06, false));
    EXPECT_FALSE(IsAcknowledgement(0x15, false));
    EXPECT_TRUE(IsAcknowledgement(0x15, true));
}

} // namespace
} // namespace rpx
