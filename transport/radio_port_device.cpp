#include "transport/radio_port_device.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <iomanip>
#include <sstream>
#include <system_error>

namespace rpx::transport {

namespace {

// The first line of every trace this program writes; a file that starts otherwise is not ours.
constexpr std::string_view kTraceTitle = "# RPX-41C wire trace";

bool IsOurTrace(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::string first;
    std::getline(in, first);
    return first == kTraceTitle;
}

Status CheckTraceTarget(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return {};
    if (std::filesystem::is_regular_file(status) &&
        (std::filesystem::file_size(path, error) == 0 || IsOurTrace(path)))
        return {};
    return Failure{path.string() +
                   " exists and is not a wire trace of this program; it is left alone. Name a new "
                   "file or an earlier trace."};
}

std::string Now() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    std::ostringstream text;
    text << std::put_time(&local, "%Y-%m-%d %H:%M:%S");
    return text.str();
}

} // namespace

std::optional<std::string> PortPathOf(std::string_view name, const std::vector<DetectedPort>& orderedPorts) {
    std::string lower(name);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == kVirtualPortShortName)
        return std::string(kVirtualPort);
    const std::string_view digits = std::string_view(lower).substr(std::min<std::size_t>(3, lower.size()));
    const bool comName = lower.starts_with("com") && !digits.empty() &&
                         digits.find_first_not_of("0123456789") == std::string_view::npos;
    if (!comName)
        return std::string(name);
    // Three digits at most, so the number fits before it is compared.
    if (digits[0] == '0' || digits.size() > 3 || std::stoi(std::string(digits)) > 255)
        return std::nullopt;
    return PathOfPortNumber(orderedPorts, static_cast<uint8_t>(std::stoi(std::string(digits))));
}

RadioPortDevice::RadioPortDevice(sim::RadioSetup virtualRadioSetup)
    : m_virtualRadioSetup(std::move(virtualRadioSetup)) {}

sim::VirtualRadio& RadioPortDevice::InProcessRadio() {
    // Made on first use: a run that never picks the Virtual radio starts no simulator thread.
    if (m_virtualRadio == nullptr)
        m_virtualRadio = std::make_unique<sim::VirtualRadio>(m_virtualRadioSetup);
    return *m_virtualRadio;
}

sim::VirtualBoard& RadioPortDevice::InProcessBoard() {
    if (m_virtualBoard == nullptr)
        m_virtualBoard = std::make_unique<sim::VirtualBoard>();
    return *m_virtualBoard;
}

Status RadioPortDevice::SetTraceFile(std::optional<std::filesystem::path> path) {
    if (path) {
        if (Status usable = CheckTraceTarget(*path); !usable)
            return usable;
    }
    m_traceFile.close();
    m_tracePath = std::move(path);
    return {};
}

Status RadioPortDevice::StartTrace(const std::string& portPath) {
    if (!m_traceFile.is_open()) {
        // Checked again: the file may have appeared since the trace was asked for.
        if (Status usable = CheckTraceTarget(*m_tracePath); !usable)
            return usable;
        const bool fresh = !std::filesystem::exists(*m_tracePath) || std::filesystem::is_empty(*m_tracePath);
        m_traceFile.open(*m_tracePath, std::ios::app);
        if (!m_traceFile)
            return Failure{"the trace file " + m_tracePath->string() + " cannot be written"};
        if (fresh)
            m_traceFile << kTraceTitle << '\n';
    }
    m_traceFile << "# session " << Now() << ", port " << portPath << '\n';
    m_traceFile.flush();
    return {};
}

bool RadioPortDevice::Open(const std::string& path) {
    // Switching devices never leaves the other one open.
    m_current->Close();
    m_traceError.clear();
    SerialDevice* device = path == kVirtualPort             ? &InProcessRadio().Device()
                           : path == sim::kVirtualBoardPort ? &InProcessBoard().Device()
                                                            : &m_serialDevice;
    m_tracing.reset();
    if (m_tracePath) {
        if (Status started = StartTrace(path); !started) {
            m_traceError = started.Message();
            m_current = device;
            return false;
        }
        m_tracing = std::make_unique<TracingDevice>(*device, m_traceFile);
        device = m_tracing.get();
    }
    m_current = device;
    return m_current->Open(path);
}

} // namespace rpx::transport
