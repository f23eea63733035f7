#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <variant>

#include "cli/commands.h"
#include "core/editor/cell_key_filters.h"
#include "core/editor/channel_detail_rules.h"

namespace rpx::cli {

namespace {

// A field of the channel detail dialog: a frequency cell, a list cell or a check box.
using Field = std::variant<Direction, DetailList, DetailBox>;

struct Key {
    const char* name;
    Field field;
};

// In the order the dialog shows them.
constexpr Key kKeys[] = {
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

struct Edit {
    std::string text; // KEY=VALUE as given
    const Key* key;
    std::string value;
};

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string KeyNames() {
    std::string names;
    for (const Key& key : kKeys)
        names += std::string(names.empty() ? "" : " ") + key.name;
    return names;
}

std::string Shown(const ChannelDetailRules& rules, const Field& field) {
    if (const auto* direction = std::get_if<Direction>(&field))
        return rules.FrequencyText(*direction);
    if (const auto* list = std::get_if<DetailList>(&field))
        return rules.ListText(*list);
    return rules.IsBoxChecked(std::get<DetailBox>(field)) ? "1" : "0";
}

// The item a list value names: "#N", or an item's text in any case; -1 for none.
int ItemOf(const std::vector<std::string>& items, const std::string& value) {
    unsigned long index = 0;
    if (value.size() > 1 && value[0] == '#')
        return ParseDecimal(value.substr(1), items.size() - 1, index) ? static_cast<int>(index) : -1;
    const auto it = std::find_if(items.begin(), items.end(),
                                 [&](const std::string& item) { return Upper(item) == Upper(value); });
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

std::string ItemList(const std::vector<std::string>& items) {
    std::string list;
    for (std::size_t i = 0; i < items.size() && i < 8; ++i)
        list += (i == 0 ? "" : ", ") + items[i];
    return list + (items.size() > 8 ? ", ..." : "") + " or #0..#" + std::to_string(items.size() - 1);
}

// The edit a KEY=VALUE word names; std::nullopt when KEY is none of the dialog's fields.
std::optional<Edit> ParseEdit(const std::string& word) {
    const std::size_t equals = word.find('=');
    for (const Key& key : kKeys)
        if (equals != std::string::npos && word.substr(0, equals) == key.name)
            return Edit{word, &key, word.substr(equals + 1)};
    return std::nullopt;
}

// Makes one edit as the user makes it in the dialog; empty when done, else why the dialog refuses it.
std::string Apply(ChannelDetailRules& rules, const Edit& edit) {
    const std::string refused = edit.text + ": ";
    if (const auto* direction = std::get_if<Direction>(&edit.key->field)) {
        if (!rules.IsFrequencyEnabled(*direction))
            return refused + "the cell is disabled";
        if (TypeIntoFrequencyCell("", edit.value) != edit.value)
            return refused + "the cell takes digits and . only, at most " +
                   std::to_string(kFrequencyCellLimit) + " characters";
        rules.CommitFrequency(*direction, edit.value, true);
        return {};
    }
    if (const auto* box = std::get_if<DetailBox>(&edit.key->field)) {
        if (edit.value != "0" && edit.value != "1")
            return refused + "a check box takes 0 or 1";
        return rules.SetBox(*box, edit.value == "1") ? "" : refused + "the box is disabled";
    }
    const DetailList list = std::get<DetailList>(edit.key->field);
    if (!rules.IsListEnabled(list))
        return refused + "the cell is disabled";
    const std::vector<std::string> items = rules.ListItems(list);
    if (const int item = ItemOf(items, edit.value); item >= 0) {
        rules.SelectItem(list, item);
        return {};
    }
    const bool tone = list == DetailList::Decode || list == DetailList::Encode;
    if (tone && TypeIntoToneCell("", edit.value) == Upper(edit.value)) {
        rules.CommitTypedTone(list == DetailList::Decode ? Direction::Rx : Direction::Tx, Upper(edit.value));
        return {};
    }
    return refused + "not one of " + ItemList(items) +
           (tone ? ", nor a tone the cell takes (digits and ., or D, octal digits, N or I; 5 at most)" : "");
}

} // namespace

// Shows the fields of the channel detail dialog for one row, or makes edits in it as a user would,
// one after the other, and confirms it with OK. An edit the dialog would refuse saves nothing.
int RunChannel(const CliContext& context) {
    const auto& args = context.line.args;
    unsigned long row = 0;
    if (!ParseChannelRow(args[1], row))
        return context.UsageError("CH is a channel row from 1 to 8");
    std::vector<Edit> edits;
    for (auto word = args.begin() + 2; word != args.end(); ++word) {
        const std::optional<Edit> edit = ParseEdit(*word);
        if (!edit)
            return context.UsageError("expected KEY=VALUE with KEY one of " + KeyNames() + ", not " + *word);
        edits.push_back(*edit);
    }
    if (!context.Open(args[0]))
        return kExitFailed;

    ChannelGridEditor(context.session, context.notifier).RefreshTrunkingRows();
    ChannelDetailRules rules(context.session, context.notifier, static_cast<int>(row));
    if (!rules.Opens()) {
        context.err << "row " << row
                    << ": its channel dialog cannot be opened here (a hidden or disabled row, or one that "
                       "opens the trunking channel dialog)\n";
        return kExitFailed;
    }
    rules.Open();
    if (edits.empty()) {
        for (const Key& key : kKeys) {
            const std::string shown = Shown(rules, key.field);
            context.out << key.name << ':' << (shown.empty() ? "" : " ") << shown << '\n';
        }
        rules.Cancel();
        return kExitOk;
    }
    for (const Edit& edit : edits) {
        if (const std::string problem = Apply(rules, edit); !problem.empty())
            return context.UsageError(problem + "; nothing was saved");
    }
    rules.Ok();
    return context.SaveTo(args[0]);
}

} // namespace rpx::cli
