#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/result.h"
#include "core/link/serial_device.h"
#include "core/link/tracing_device.h"
#include "sim/demo_image.h"
#include "sim/virtual_board.h"
#include "sim/virtual_radio.h"
#include "transport/port_discovery.h"
#include "transport/qt_serial_device.h"

namespace rpx::transport {

// The port name of the simulated radio inside the program, and the short form the command line
// takes for it.
inline constexpr std::string_view kVirtualPort = sim::kVirtualRadioPort;
inline constexpr std::string_view kVirtualPortShortName = "virtual";

// The device path a port name stands for, as `rpx41c-cli ports` and the Port dialog name them: the
// short virtual name (any case) is the Virtual radio; COMn (any case, n from 1 to 255, no leading
// zero) is the n-th of orderedPorts in port-number order; any other name is a device path. Nothing
// for COM0, a number above 255 or one with a leading zero.
std::optional<std::string> PortPathOf(std::string_view name, const std::vector<DetectedPort>& orderedPorts);

// The device behind the radio port (or the board port), for the window and the command line alike:
// the Virtual radio port opens the simulated radio inside the program, the Virtual board port the
// simulated trunking board, any other path a serial device; with a trace
// file set, every byte of the talk is logged to it. Every other call goes to whichever was opened
// last.
class RadioPortDevice : public SerialDevice {
public:
    // virtualRadioSetup describes the simulated radio, which is made when its port is first opened.
    explicit RadioPortDevice(sim::RadioSetup virtualRadioSetup = sim::DemoRadioSetup());
    RadioPortDevice(const RadioPortDevice&) = delete;
    RadioPortDevice& operator=(const RadioPortDevice&) = delete;

    // The simulated radio; one for the whole run, so it keeps its memory between operations.
    sim::VirtualRadio& InProcessRadio();
    // The simulated trunking board, likewise one for the whole run.
    sim::VirtualBoard& InProcessBoard();

    // Traces the talk into path from the next Open on (nothing: no trace). The file is
    // made only when the talk begins; an existing trace of this program is appended to under a
    // session header, and any other existing file is refused here and left alone.
    Status SetTraceFile(std::optional<std::filesystem::path> path);
    const std::optional<std::filesystem::path>& TraceFile() const { return m_tracePath; }

    bool Open(const std::string& path) override;
    void Close() override { m_current->Close(); }
    bool IsOpen() const override { return m_current->IsOpen(); }
    bool Configure(const LineSettings& settings) override { return m_current->Configure(settings); }
    bool SetDtr(bool high) override { return m_current->SetDtr(high); }
    bool SetRts(bool high) override { return m_current->SetRts(high); }
    bool Write(std::span<const uint8_t> bytes) override { return m_current->Write(bytes); }
    int BytesWaiting() override { return m_current->BytesWaiting(); }
    bool WaitForInput(int knownCount, std::chrono::milliseconds timeout) override {
        return m_current->WaitForInput(knownCount, timeout);
    }
    std::size_t Read(std::span<uint8_t> buffer, std::chrono::milliseconds timeout) override {
        return m_current->Read(buffer, timeout);
    }
    void PurgeInput() override { m_current->PurgeInput(); }
    std::string ErrorText() const override {
        return m_traceError.empty() ? m_current->ErrorText() : m_traceError;
    }
    bool PermissionDenied() const override { return m_traceError.empty() && m_current->PermissionDenied(); }
    bool LacksSerialGroup() const override { return m_traceError.empty() && m_current->LacksSerialGroup(); }

private:
    // Opens the trace file for this talk and puts the session header in.
    Status StartTrace(const std::string& portPath);

    sim::RadioSetup m_virtualRadioSetup;
    std::unique_ptr<sim::VirtualRadio> m_virtualRadio;
    std::unique_ptr<sim::VirtualBoard> m_virtualBoard;
    QtSerialDevice m_serialDevice;
    std::optional<std::filesystem::path> m_tracePath;
    std::ofstream m_traceFile;
    std::unique_ptr<TracingDevice> m_tracing;
    std::string m_traceError;
    SerialDevice* m_current = &m_serialDevice;
};

} // namespace rpx::transport
