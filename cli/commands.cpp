#include "cli/commands.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace rpx::cli {

namespace {

constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max();

// One command a line group: name, usage, summary, argument counts, value options, flag options,
// whether it talks to a radio, and its handler.
// clang-format off
const std::vector<Command> kCommands = {
    {"new", "FILE [--model MDL1A|MDL1B|MDL2A|MDL2B] [--code 0xNN]", "write a data file holding a new image",
     1, 1, {"model", "code"}, {}, false, RunNew},
    {"info", "FILE", "print the main window title for a data file",
     1, 1, {}, {}, false, RunInfo},
    {"show", "FILE", "print the channel rows and the test frequencies",
     1, 1, {}, {}, false, RunShow},
    {"set", "FILE CH FIELD=VALUE...", "edit cells of channel row CH (rx, tx, decode, encode, power, wide, scan, option)",
     3, kAny, {}, {}, false, RunSet},
    {"row", "FILE insert|delete CH", "insert an empty channel at row CH or delete row CH",
     3, 3, {}, {}, false, RunRow},
    {"copy", "FILE FROM TO", "copy channel FROM onto channel TO",
     3, 3, {}, {}, false, RunCopy},
    {"channel", "FILE CH [KEY=VALUE...]", "show or edit every field of channel row CH as its channel dialog does",
     2, kAny, {}, {}, false, RunChannel},
    {"settings", "FILE [DIALOG [KEY=VALUE...]] | --keys",
     "show or edit the feature settings as their dialogs do (DIALOG extended, the extended settings "
     "sheet, needs --extended); --keys lists every key with its values",
     0, kAny, {}, {"keys"}, false, RunSettings},
    {"tone", "FILE -o OUT.wav", "write the alert tone sequence as the DTMF dialog's PLAY sounds it to a WAV file",
     1, 1, {"o"}, {}, false, RunTone},
    {"print", "FILE --sections LIST -o OUT.pdf",
     "write the printed record of the sections in LIST (comma-separated, or all) as a PDF",
     1, 1, {"sections", "o"}, {}, false, RunPrint},
    {"model", "FILE MODEL [--freq INDEX]", "choose a model (and frequency range entry) as the Model dialog does",
     2, 2, {"freq"}, {}, false, RunModel},
    {"hex", "FILE [OFFSET [LENGTH]]", "print image bytes (OFFSET hexadecimal, LENGTH decimal)",
     1, 3, {}, {}, false, RunHex},
    {"poke", "FILE OFFSET BYTE...", "write image bytes (hexadecimal) like the memory map",
     3, kAny, {}, {}, false, RunPoke},
    {"ports", "", "list the ports: COMn with its serial device, and virtual",
     0, 0, {}, {}, true, RunPorts},
    {"read", "--port PORT -o FILE",
     "Program > Read into a new data file (--port virtual: the simulated radio); a backup is kept too",
     0, 0, {"port", "o", "retries", "password", "trace"}, {}, true, RunRead},
    {"write", "--port PORT... FILE [--force] [--backup] [--verify]",
     "Program > Write of a data file; --force (with --yes) also writes another model or a 1024-byte radio; "
     "--backup reads and keeps the radio's data first; --verify reads it back and compares; "
     "several --port write several radios at once",
     1, 1, {"port", "retries", "password", "trace"}, {"force", "backup", "verify"}, true, RunWrite},
    {"radio-info", "--port PORT", "Tools > Radio information",
     0, 0, {"port", "retries", "password", "trace"}, {}, true, RunRadioInfo},
    {"board", "show FILE | read --port PORT --access CODE -o FILE | write --port PORT --access CODE FILE",
     "print a board file's settings as the SmarTrunk dialog shows them; read the trunking board into a board "
     "file, or write one to it (--port virtual: the simulated board)",
     1, 2, {"port", "o", "access", "retries", "trace"}, {}, true, RunBoard},
    {"diff", "A B", "list what differs from data file A to B, by setting key and channel field, and the offsets "
     "of other bytes; exit 0 when equal, 1 when not",
     2, 2, {}, {}, false, RunDiff},
    {"export", "FILE [--format text|csv] [-o OUT]", "write the data file as a readable text that import takes back, "
     "or its channels as a CSV channel plan",
     1, 1, {"format", "o"}, {}, false, RunExport},
    {"import", "TEXT -o FILE | PLAN.csv FILE", "make a data file from a text that export wrote (edited values as their "
     "dialogs store them), or apply a CSV channel plan to data file FILE, printing what each row's values became; "
     "exit 1 when a value was refused",
     1, 2, {"o"}, {}, false, RunImport},
};
// clang-format on

} // namespace

std::span<const Command> Commands() { return kCommands; }

const Command* FindCommand(const std::string& name) {
    const auto it = std::find_if(kCommands.begin(), kCommands.end(), [&](const Command& c) { return name == c.name; });
    return it == kCommands.end() ? nullptr : &*it;
}

} // namespace rpx::cli
