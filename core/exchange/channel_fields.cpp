#include "core/exchange/channel_fields.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

#include "core/editor/cell_key_filters.h"

namespace rpx {

namespace {

constexpr ChannelFieldKey kKeys[] = {
    {"rx", Direction::Rx},
    {"tx", Direction::Tx},
    {"decode", DetailList::Decode},
    {"encode", DetailList::Encode},
    {"unmute", DetailList::Unmute},
    {"lockout", DetailList::Lockout},
    {"bandwidth", DetailList::Bandwidth},
    {"ptt-id", DetailList::PttId},
    {"scrambler-code", DetailList::ScramblerCode},
    {"power", DetailBox::HighPower},
    {"scan", DetailBox::ScanAdd},
    {"option", DetailBox::OptionSignalling},
    {"beat-shift", DetailBox::BeatShift},
    {"voice-scrambler", DetailBox::VoiceScrambler},
};

std::string Upper(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

// The item a list value names: "#N", or an item's text in any case; -1 for none.
int ItemOf(const std::vector<std::string>& items, std::string_view value) {
    if (value.size() > 1 && value[0] == '#') {
        std::size_t index = 0;
        const auto [end, error] = std::from_chars(value.data() + 1, value.data() + value.size(), index);
        return error == std::errc() && end == value.data() + value.size() && index < items.size()
                   ? static_cast<int>(index)
                   : -1;
    }
    const auto it =
        std::ranges::find(items, Upper(value), [](const std::string& item) { return Upper(item); });
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

std::string ItemList(const std::vector<std::string>& items) {
    std::string list;
    for (std::size_t i = 0; i < items.size() && i < 8; ++i)
        list += (i == 0 ? "" : ", ") + items[i];
    return list + (items.size() > 8 ? ", ..." : "") + " or #0..#" + std::to_string(items.size() - 1);
}

} // namespace

std::span<const ChannelFieldKey> ChannelFieldKeys() {
    return kKeys;
}

const ChannelFieldKey* FindChannelFieldKey(std::string_view name) {
    const auto it = std::ranges::find(kKeys, name, &ChannelFieldKey::name);
    return it == std::end(kKeys) ? nullptr : it;
}

std::string ChannelFieldText(const ChannelDetailRules& rules, const ChannelFieldKey& key) {
    if (const auto* direction = std::get_if<Direction>(&key.field))
        return rules.FrequencyText(*direction);
    if (const auto* list = std::get_if<DetailList>(&key.field))
        return rules.ListText(*list);
    return rules.IsBoxChecked(std::get<DetailBox>(key.field)) ? "1" : "0";
}

Status SetChannelField(ChannelDetailRules& rules, const ChannelFieldKey& key, std::string_view value) {
    if (const auto* direction = std::get_if<Direction>(&key.field)) {
        if (!rules.IsFrequencyEnabled(*direction))
            return Failure{"the cell is disabled"};
        if (TypeIntoFrequencyCell("", value) != value)
            return Failure{"the cell takes digits and . only, at most " +
                           std::to_string(kFrequencyCellLimit) + " characters"};
        rules.CommitFrequency(*direction, value, true);
        return {};
    }
    if (const auto* box = std::get_if<DetailBox>(&key.field)) {
        if (value != "0" && value != "1")
            return Failure{"a check box takes 0 or 1"};
        return rules.SetBox(*box, value == "1") ? Status{} : Failure{"the box is disabled"};
    }
    const DetailList list = std::get<DetailList>(key.field);
    if (!rules.IsListEnabled(list))
        return Failure{"the cell is disabled"};
    const std::vector<std::string> items = rules.ListItems(list);
    if (const int item = ItemOf(items, value); item >= 0) {
        rules.SelectItem(list, item);
        return {};
    }
    const bool tone = list == DetailList::Decode || list == DetailList::Encode;
    if (tone && TypeIntoToneCell("", value) == Upper(value)) {
        rules.CommitTypedTone(list == DetailList::Decode ? Direction::Rx : Direction::Tx, Upper(value));
        return {};
    }
    return Failure{
        "not one of " + ItemList(items) +
        (tone ? ", nor a tone the cell takes (digits and ., or D, octal digits, N or I; 5 at most)" : "")};
}

} // namespace rpx
