#include "cli/commands.h"
#include "core/trunking/board_file.h"
#include "core/trunking/smartrunk_rules.h"

namespace rpx::cli {

namespace {

constexpr TextId kBasicPage = 3019013;
constexpr TextId kSpeedDialPage = 3019077;
constexpr TextId kCodeListPage = 3019081;
constexpr TextId kCaptionError = 1001019;

// The three pages of the SmarTrunk dialog as it would show the board file.
int ShowBoard(const CliContext& context, const std::string& path) {
    Result<BoardImage> board = ReadBoardFile(path, context.notifier);
    if (!board) {
        context.notifier.Show(Message{{},
                                      kCaptionError,
                                      board.Message(),
                                      context.notifier.Text(kCaptionError),
                                      MessageButtons::Ok,
                                      MessageIcon::Stop});
        return kExitFailed;
    }
    context.session.board = *board;
    const SmarTrunkRules rules(context.session, context.notifier);
    std::ostream& out = context.out;
    out << context.notifier.Text(kBasicPage) << '\n';
    for (const auto& row : rules.BasicRows())
        out << "  " << row.label << ": " << row.shown << '\n';
    out << context.notifier.Text(kSpeedDialPage) << '\n';
    for (int row = 0; row < BoardImage::Limit::kSpeedDialEntries; ++row)
        out << "  " << rules.SpeedDialLabel(row) << ": " << rules.SpeedDial(row) << '\n';
    out << context.notifier.Text(kCodeListPage) << '\n';
    for (int index = 0; index < BoardImage::Limit::kCodeListEntries; ++index)
        out << "  " << index + 1 << ": " << rules.CodeListEntry(index) << '\n';
    return kExitOk;
}

} // namespace

int RunBoard(const CliContext& context) {
    const auto& args = context.line.args;
    if (args[0] == "show")
        return args.size() == 2 ? ShowBoard(context, args[1]) : context.UsageError("board show takes a board FILE");
    return RunBoardLink(context);
}

} // namespace rpx::cli
