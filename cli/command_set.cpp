#include <algorithm>
#include <cctype>
#include <map>

#include "cli/commands.h"
#include "core/editor/cell_key_filters.h"
#include "core/editor/channel_grid_editor.h"

namespace rpx::cli {

namespace {

const std::map<std::string, GridColumn> kFields = {
    {"rx", GridColumn::Rx},         {"tx", GridColumn::Tx},         {"decode", GridColumn::Decode},
    {"encode", GridColumn::Encode}, {"power", GridColumn::Power},   {"wide", GridColumn::WideNarrow},
    {"scan", GridColumn::Scan},     {"option", GridColumn::Option},
};

struct Edit {
    std::string field;
    GridColumn column;
    std::string value;
    int item = 0; // the drop-down item of a flag column
};

bool IsFrequency(GridColumn column) {
    return column == GridColumn::Rx || column == GridColumn::Tx;
}

// The characters of value that the cell's key filter would swallow, each named once. Backspace and
// Tab are editing keys, not characters of a value.
std::string RefusedCharacters(GridColumn column, const std::string& value) {
    std::string typed;
    std::string refused;
    for (char key : value) {
        bool accepted = key != kBackspaceKey && key != kTabKey;
        if (accepted && IsFrequency(column)) {
            accepted = FrequencyEditAccepts(key);
        } else if (accepted) {
            accepted = FilterToneKey(key, typed).has_value();
            typed = TypeIntoToneCell(typed, std::string(1, key));
        }
        if (!accepted && refused.find(key) == std::string::npos)
            refused += key;
    }
    return refused;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// Why value cannot be typed into the field's cell; empty when it can. A flag's drop-down item
// (0 or 1, or the text the grid shows for it) is stored in edit.
std::string CheckValue(Edit& edit, const LanguageTable& texts) {
    if (const std::optional<ChannelFlag> flag = FlagOfColumn(edit.column)) {
        const FlagItemTexts items = FlagItems(*flag);
        const std::string clear = texts.GetText(items.clear, TextMode::WithoutMnemonics);
        const std::string set = texts.GetText(items.set, TextMode::WithoutMnemonics);
        if (edit.value == "0" || EqualIgnoringCase(edit.value, clear))
            edit.item = 0;
        else if (edit.value == "1" || EqualIgnoringCase(edit.value, set))
            edit.item = 1;
        else
            return edit.field + " takes the drop-down item 0 or 1 (" + clear + " or " + set + "), not " +
                   edit.value;
        return {};
    }
    const bool frequency = IsFrequency(edit.column);
    const std::string refused = RefusedCharacters(edit.column, edit.value);
    if (!refused.empty())
        return edit.field + "=" + edit.value + ": the cell refuses the characters \"" + refused +
               "\" (it takes " + (frequency ? "digits and ." : "digits, ., D, I and N, no 8 or 9 after D") +
               ")";
    const std::size_t limit = frequency ? kFrequencyCellLimit : kToneCellLimit;
    if (edit.value.size() > limit)
        return edit.field + "=" + edit.value + ": the cell holds at most " + std::to_string(limit) +
               " characters";
    return {};
}

// Types value into the cell as a user would (through the cell's key filter) and leaves the cell.
bool ApplyEdit(ChannelGridEditor& grid, int row, const Edit& edit) {
    switch (edit.column) {
    case GridColumn::Rx:
        return grid.CommitRxCell(row, TypeIntoFrequencyCell("", edit.value), true).stored;
    case GridColumn::Tx:
        return grid.CommitTxCell(row, TypeIntoFrequencyCell("", edit.value), true).stored;
    case GridColumn::Decode:
        return grid.CommitToneCell(row, Direction::Rx, TypeIntoToneCell("", edit.value));
    case GridColumn::Encode:
        return grid.CommitToneCell(row, Direction::Tx, TypeIntoToneCell("", edit.value));
    default:
        return grid.SelectFlag(row, edit.column, edit.item);
    }
}

} // namespace

// The edits a user makes in one row of the grid, committed one after the other as the grid commits
// them. The file is saved only when every edit could be made; a value the cell would not take as
// typed is a mistake on the command line, not an empty cell.
int RunSet(const CliContext& context) {
    const auto& args = context.line.args;
    unsigned long row = 0;
    if (!ParseChannelRow(args[1], row))
        return context.UsageError("CH is a channel row from 1 to 8");
    std::vector<Edit> edits;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::optional<KeyValue> word = ParseKeyValue(args[i]);
        const auto field = word ? kFields.find(word->key) : kFields.end();
        if (field == kFields.end())
            return context.UsageError(
                "expected FIELD=VALUE with FIELD one of rx tx decode encode power wide scan "
                "option, not " +
                args[i]);
        Edit edit{field->first, field->second, word->value};
        if (const std::string problem = CheckValue(edit, context.notifier.Texts()); !problem.empty())
            return context.UsageError(problem);
        edits.push_back(edit);
    }
    if (!context.Open(args[0]))
        return kExitFailed;

    ChannelGridEditor grid(context.session, context.notifier);
    grid.RefreshTrunkingRows();
    const int r = static_cast<int>(row);
    for (const Edit& edit : edits) {
        if (!grid.IsCellEnabled(r, edit.column) || !ApplyEdit(grid, r, edit)) {
            context.err
                << "row " << r << ": the " << edit.field
                << " cell cannot be edited now (hidden, disabled or kept for trunking); nothing was saved\n";
            return kExitFailed;
        }
    }
    return context.SaveTo(args[0]);
}

} // namespace rpx::cli
