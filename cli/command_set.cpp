#include <map>

#include "cli/commands.h"
#include "core/editor/cell_key_filters.h"
#include "core/editor/channel_grid_editor.h"

namespace rpx::cli {

namespace {

const std::map<std::string, GridColumn> kFields = {
    {"rx", GridColumn::Rx},       {"tx", GridColumn::Tx},         {"decode", GridColumn::Decode},
    {"encode", GridColumn::Encode}, {"power", GridColumn::Power}, {"wide", GridColumn::WideNarrow},
    {"scan", GridColumn::Scan},   {"option", GridColumn::Option},
};

struct Edit {
    std::string field;
    GridColumn column;
    std::string value;
};

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
        return grid.SelectFlag(row, edit.column, edit.value == "1" ? 1 : 0);
    }
}

} // namespace

// The edits a user makes in one row of the grid, committed one after the other as the grid commits
// them. The file is saved only when every edit could be made.
int RunSet(const CliContext& context) {
    const auto& args = context.line.args;
    unsigned long row = 0;
    if (!ParseChannelRow(args[1], row))
        return context.UsageError("CH is a channel row from 1 to 8");
    std::vector<Edit> edits;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::size_t equals = args[i].find('=');
        const auto field = kFields.find(args[i].substr(0, equals));
        if (equals == std::string::npos || field == kFields.end())
            return context.UsageError("expected FIELD=VALUE with FIELD one of rx tx decode encode power wide scan "
                                      "option, not " + args[i]);
        const std::string value = args[i].substr(equals + 1);
        if (field->second >= GridColumn::Power && value != "0" && value != "1")
            return context.UsageError(field->first + " takes the drop-down item 0 or 1");
        edits.push_back({field->first, field->second, value});
    }
    if (!context.Open(args[0]))
        return kExitFailed;

    ChannelGridEditor grid(context.session, context.notifier);
    grid.RefreshTrunkingRows();
    const int r = static_cast<int>(row);
    for (const Edit& edit : edits) {
        if (!grid.IsCellEnabled(r, edit.column) || !ApplyEdit(grid, r, edit)) {
            context.err << "row " << r << ": the " << edit.field
                        << " cell cannot be edited now (hidden, disabled or kept for trunking); nothing was saved\n";
            return kExitFailed;
        }
    }
    return context.SaveTo(args[0]);
}

} // namespace rpx::cli
