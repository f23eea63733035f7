#pragma once

#include <memory>
#include <string>

#include "core/link/serial_device.h"
#include "sim/radio_setup.h"
#include "sim/virtual_radio.h"
#include "transport/qt_serial_device.h"

namespace rpx::gui {

// The device behind the radio port: the Virtual radio port opens the simulated radio inside the
// program, any other path a serial device. Every other call goes to whichever was opened last.
class RadioPortDevice : public SerialDevice {
public:
    // virtualRadioSetup describes the simulated radio, which is made when its port is first opened.
    explicit RadioPortDevice(sim::RadioSetup virtualRadioSetup = {});
    RadioPortDevice(const RadioPortDevice&) = delete;
    RadioPortDevice& operator=(const RadioPortDevice&) = delete;

    // The simulated radio; one for the whole run, so it keeps its memory between operations.
    sim::VirtualRadio& InProcessRadio();

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
    std::string ErrorText() const override { return m_current->ErrorText(); }
    bool PermissionDenied() const override { return m_current->PermissionDenied(); }

private:
    sim::RadioSetup m_virtualRadioSetup;
    std::unique_ptr<sim::VirtualRadio> m_virtualRadio;
    transport::QtSerialDevice m_serialDevice;
    SerialDevice* m_current = &m_serialDevice;
};

} // namespace rpx::gui
