#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <mutex>
#include <sstream>

#include "cli/cli_link_ui.h"
#include "cli/cli_messenger.h"
#include "cli/commands.h"
#include "cli/radio_connection.h"
#include "core/exchange/fleet.h"
#include "transport/radio_port_device.h"

namespace rpx::cli {

namespace {

// One progress line per radio, redrawn in place on a terminal; elsewhere it stays quiet, and the
// closing table says how each write ended.
class FleetProgress {
public:
    FleetProgress(std::ostream& out, const std::vector<std::string>& ports, bool terminal)
        : m_out(out), m_ports(ports), m_done(ports.size(), 0), m_total(ports.size(), 0),
          m_terminal(terminal) {
        if (m_terminal)
            Draw(false);
    }
    void Set(std::size_t index, int done, int total) {
        const std::lock_guard lock(m_mutex);
        m_done[index] = done;
        if (total > 0)
            m_total[index] = total;
        if (m_terminal)
            Draw(true);
    }

private:
    void Draw(bool over) {
        if (over)
            m_out << "\x1b[" << m_ports.size() << 'A';
        for (std::size_t i = 0; i < m_ports.size(); ++i)
            m_out << "\r\x1b[K" << m_ports[i] << "  " << m_done[i] << '/' << m_total[i] << '\n';
        m_out << std::flush;
    }

    std::mutex m_mutex;
    std::ostream& m_out;
    const std::vector<std::string>& m_ports;
    std::vector<int> m_done;
    std::vector<int> m_total;
    bool m_terminal;
};

// The windows of one radio's write: its progress goes to its own line.
class FleetLinkUi : public CliLinkUi {
public:
    FleetLinkUi(const LanguageTable& texts, std::optional<std::string> password, std::ostream& out,
                FleetProgress& progress, std::size_t index)
        : CliLinkUi(texts, std::move(password), std::cin, out, false), m_progress(progress), m_index(index) {}
    void ShowProgress(TextId, int range) override { m_progress.Set(m_index, 0, range); }
    void SetProgress(int position) override { m_progress.Set(m_index, position, 0); }

private:
    FleetProgress& m_progress;
    std::size_t m_index;
};

CliAnswers AnswersOf(const CommandLine& line) {
    unsigned long retries = 0;
    if (const std::string* text = line.Value("retries"))
        ParseDecimal(*text, 1000, retries); // main() has refused anything else
    return {line.Has("yes"), line.Has("force"), retries};
}

} // namespace

int RunFleetWrite(const CliContext& context, const std::vector<std::string>& ports, WriteSafety safety,
                  const BackupStore& backups) {
    std::vector<std::string> devices;
    const std::vector<transport::DetectedPort> detected = transport::DetectPorts();
    for (const std::string& port : ports) {
        const std::optional<std::string> device = transport::PortPathOf(port, detected);
        if (!device)
            return context.UsageError("--port " + port + " names no port that `rpx41c-cli ports` lists");
        devices.push_back(*device);
    }
    const std::string* password = context.line.Value("password");
    const CliAnswers answers = AnswersOf(context.line);
    const LanguageTable& texts = context.notifier.Texts();
    FleetProgress progress(context.err, ports, isatty(STDERR_FILENO) != 0);
    std::vector<std::ostringstream> messages(ports.size());

    std::vector<FleetResult> results = RunFleet(ports, [&](std::size_t i) {
        Session session = context.session;
        CliMessenger messenger(messages[i], texts, answers);
        Notifier notifier(messenger, texts);
        RadioConnection connection;
        if (const Status opened = connection.Open(devices[i], nullptr); !opened) {
            messages[i] << opened.Message() << '\n';
            return FleetResult{};
        }
        FleetLinkUi ui(texts, password ? std::optional<std::string>(*password) : std::nullopt, messages[i],
                       progress, i);
        RadioLink link(connection.Port(), session, notifier, ui);
        SafeTransfer transfer(link, session, notifier, backups, safety);
        const bool ok = transfer.OnProgramWrite();
        ReportBackup(messages[i], notifier, transfer);
        std::string model = link.LastIdentification().ModelCode();
        if (model.find('\0') != std::string::npos)
            model.clear(); // the radio never identified itself
        return FleetResult{"", model, ok, 0};
    });
    // Each radio's messages together, so that those of several radios do not interleave.
    for (std::size_t i = 0; i < ports.size(); ++i) {
        std::istringstream lines(messages[i].str());
        for (std::string line; std::getline(lines, line);)
            context.err << ports[i] << ": " << line << '\n';
    }
    context.out << FleetTable(results);
    return std::ranges::all_of(results, &FleetResult::ok) ? kExitOk : kExitFailed;
}

} // namespace rpx::cli
