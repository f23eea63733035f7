#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/app/result.h"
#include "core/editor/channel_detail_rules.h"

namespace rpx {

// A field of the channel detail dialog as the command line and the text form name it: a frequency
// cell, a list cell or a check box.
struct ChannelFieldKey {
    const char* name;
    std::variant<Direction, DetailList, DetailBox> field;
};

// Every field, in the order the dialog shows them ("rx", "tx", "decode", ...).
std::span<const ChannelFieldKey> ChannelFieldKeys();
const ChannelFieldKey* FindChannelFieldKey(std::string_view name);

// What the field shows; a check box as "1" or "0".
std::string ChannelFieldText(const ChannelDetailRules& rules, const ChannelFieldKey& key);
// Makes one edit as the user makes it in the dialog (a list item by text in any case or "#N", a
// tone typed as the cell takes it, a box as 0 or 1); a Failure says why the dialog refuses it.
Status SetChannelField(ChannelDetailRules& rules, const ChannelFieldKey& key, std::string_view value);

} // namespace rpx
