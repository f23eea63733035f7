#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

#include "core/radio/image_defaults.h"
#include "tests/link/link_fixture.h"
#include "transport/qt_serial_device.h"

namespace rpx {
namespace {

// rpx41c-sim on a pseudo-terminal, for as long as the test runs.
class SimulatorProcess {
public:
    explicit SimulatorProcess(const std::vector<std::string>& options) {
        int out[2];
        if (pipe(out) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            std::vector<char*> argv{const_cast<char*>(RPX_SIM_PATH)};
            for (const std::string& o : options)
                argv.push_back(const_cast<char*>(o.c_str()));
            argv.push_back(nullptr);
            execv(RPX_SIM_PATH, argv.data());
            _exit(127);
        }
        close(out[1]);
        FILE* stream = fdopen(out[0], "r");
        char line[256] = {};
        if (std::fgets(line, sizeof line, stream) != nullptr && std::string(line).rfind("PTY ", 0) == 0) {
            m_path = std::string(line + 4);
            m_path.erase(m_path.find_last_not_of("\r\n") + 1);
        }
        std::fclose(stream);
    }
    ~SimulatorProcess() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    const std::string& Path() const { return m_path; }

private:
    pid_t m_pid = -1;
    std::string m_path;
};

TEST(PseudoTerminal, ReadAndWriteThroughTheSerialDevice) {
    SimulatorProcess simulator({"--memory", "1024", "--blank"});
    ASSERT_FALSE(simulator.Path().empty());
    transport::QtSerialDevice device;
    SerialPort port(device, [&](uint8_t) { return simulator.Path(); });
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
}

} // namespace
} // namespace rpx
