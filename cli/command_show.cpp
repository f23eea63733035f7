#include <algorithm>
#include <array>

#include "cli/commands.h"
#include "core/editor/channel_grid_editor.h"
#include "core/radio/bcd_frequency.h"
#include "core/radio/image_layout.h"

namespace rpx::cli {

namespace {

// The grid's column headings, in column order.
constexpr TextId kRxHeading = 1001059;
constexpr TextId kTxHeading = 1001057;
constexpr std::array<TextId, 8> kHeadings = {kRxHeading, kTxHeading, 3010049, 3010047, 3016001, 3016003, 3016005, 3016007};

using Row = std::vector<std::string>;

void PrintTable(std::ostream& out, const std::vector<Row>& rows) {
    std::vector<std::size_t> widths;
    for (const Row& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    }
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += row[c] + std::string(c + 1 < row.size() ? widths[c] - row[c].size() + 2 : 0, ' ');
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

} // namespace

// The channel grid as the window shows it (hidden group-2 rows are listed as hidden), then the test
// frequency table.
int RunShow(const CliContext& context) {
    if (!context.Open(context.line.args[0]))
        return kExitFailed;
    const LanguageTable& texts = context.notifier.Texts();
    ChannelGridEditor grid(context.session, context.notifier);
    grid.RefreshTrunkingRows();

    std::vector<Row> channels{{"CH"}};
    for (TextId heading : kHeadings)
        channels[0].push_back(texts.GetText(heading, TextMode::WithoutMnemonics));
    for (int row = 1; row <= ChannelGridEditor::kRowCount; ++row) {
        Row line{std::to_string(row)};
        if (!grid.IsRowVisible(row)) {
            line.push_back("(hidden)");
        } else {
            for (GridColumn column : kGridColumns)
                line.push_back(grid.CellText(row, column));
        }
        channels.push_back(line);
    }
    PrintTable(context.out, channels);

    context.out << '\n';
    std::vector<Row> pairs{{"T", texts.GetText(kRxHeading), texts.GetText(kTxHeading)}};
    for (std::size_t n = 0; n < layout::kTestFrequencyPairs; ++n) {
        const std::size_t offset = layout::kTestFrequencies + 8 * n;
        pairs.push_back({"T" + std::to_string(n + 1), bcd::FrequencyText(context.session.image, offset),
                         bcd::FrequencyText(context.session.image, offset + 4)});
    }
    PrintTable(context.out, pairs);
    return kExitOk;
}

} // namespace rpx::cli
