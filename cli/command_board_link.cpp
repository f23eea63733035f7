#include <iostream>

#include "cli/cli_link_ui.h"
#include "cli/link_command.h"
#include "cli/radio_connection.h"
#include "core/trunking/board_file.h"
#include "core/trunking/board_link.h"

namespace rpx::cli {

namespace {

// The access code from --access; without it the dialog is cancelled with a word on how to give it.
class OptionAccessCode : public AccessCodePrompt {
public:
    OptionAccessCode(const std::string* code, std::ostream& err) : m_code(code), m_err(err) {}
    bool RunAccessCodeDialog(AccessCodeDialog& dialog) override {
        if (m_code == nullptr) {
            m_err << "The trunking board asks for its access code: give it with --access.\n";
            return false;
        }
        dialog.Ok(*m_code);
        return true;
    }

private:
    const std::string* m_code;
    std::ostream& m_err;
};

} // namespace

// Program > Read Data From Trunking Board into a board file, and Program > Write Data To Board of
// one; --port virtual is the simulated board.
int RunBoardLink(const CliContext& context) {
    const std::string& action = context.line.args[0];
    const bool write = action == "write";
    if (!write && action != "read")
        return context.UsageError("board takes read or write");
    const std::string* output = context.line.Value("o");
    if (write != (context.line.args.size() == 2) || (!write && output == nullptr))
        return context.UsageError("board read needs -o FILE, board write a board FILE");
    const std::string* access = context.line.Value("access");
    if (access != nullptr && !AccessCodeDialog::OkEnabled(*access))
        return context.UsageError("--access takes the board's five-character access code");
    BoardImage& board = context.session.board;
    if (write) {
        Result<BoardImage> read = ReadBoardFile(context.line.args[1], context.notifier);
        if (!read) {
            context.err << read.Message() << '\n';
            return kExitFailed;
        }
        board = *read;
    }
    int exitCode = kExitOk;
    std::optional<std::string> device = NamedPortDevice(context, exitCode);
    if (!device)
        return exitCode;
    if (*device == transport::kVirtualPort)
        device = std::string(sim::kVirtualBoardPort);
    RadioConnection connection;
    if (const Status opened = connection.Open(*device, context.line.Value("trace")); !opened) {
        context.err << opened.Message() << '\n';
        return kExitFailed;
    }
    CliLinkUi ui(context.notifier.Texts(), std::nullopt, std::cin, context.err, false);
    OptionAccessCode prompt(access, context.err);
    BoardLink link(connection.Port(), board, context.session.accessCodeKnown, context.notifier, ui, prompt);
    if (!(write ? link.OnWriteBoard() : link.OnReadBoard()))
        return kExitFailed;
    if (write)
        return kExitOk;
    const Status saved = WriteBoardFile(*output, board, context.notifier);
    if (!saved)
        context.err << saved.Message() << '\n';
    return saved ? kExitOk : kExitFailed;
}

} // namespace rpx::cli
