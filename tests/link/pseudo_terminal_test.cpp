#include "core/radio/image_defaults.h"
#include "tests/link/link_fixture.h"
#include "tests/sim/sim_process.h"
#include "transport/qt_serial_device.h"

namespace rpx {
namespace {

TEST(PseudoTerminal, ReadAndWriteThroughTheSerialDevice) {
    sim::test::SimProcess simulator({"--memory", "1024", "--blank"});
    const std::string announced = simulator.FirstLine(std::chrono::seconds(5));
    ASSERT_EQ(announced.rfind("PTY ", 0), 0u) << announced;
    transport::QtSerialDevice device;
    SerialPort port(device, [&](uint8_t) { return announced.substr(4); });
    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier(messenger, test::NoTexts());
    test::RecordingLinkUi ui;
    RadioLink link(port, session, notifier, ui);
    TransferCommands commands(link, session, notifier);

    session.image.FillAll(0x11);
    ASSERT_TRUE(commands.OnProgramRead());
    RadioImage expected;
    MakeFirstImage(expected, "", false);
    expected.Fill(0x400, 0x400, 0xFF);
    EXPECT_EQ(session.image, expected);

    session.image.SetByte(0x100, 0x5A);
    messenger.Answer(MessageAnswer::Ok); // write?
    messenger.Answer(MessageAnswer::Ok); // only 1024 bytes
    ASSERT_TRUE(commands.OnProgramWrite());
    session.image.SetByte(0x100, 0x00);
    ASSERT_TRUE(commands.OnProgramRead());
    EXPECT_EQ(session.image.Byte(0x100), 0x5A);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(simulator.Terminate(), 0);
}

} // namespace
} // namespace rpx
