#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <future>
#include <thread>

#include "tests/support/temp_dir.h"
#include "transport/qt_serial_device.h"

namespace rpx::transport {
namespace {

using namespace std::chrono_literals;

// Long enough for any loaded machine to move a few bytes through socat; only a failing test waits it out.
constexpr auto kPatience = 10s;

bool Send(SerialDevice& device, std::string_view text) {
    return device.Write({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

std::string Receive(SerialDevice& device, std::size_t count, std::chrono::milliseconds timeout = kPatience) {
    std::string bytes(count, '\0');
    bytes.resize(device.Read({reinterpret_cast<uint8_t*>(bytes.data()), count}, timeout));
    return bytes;
}

// Waits until at least count bytes are waiting; returns the count then.
int WaitForCount(SerialDevice& device, int count) {
    int waiting = device.BytesWaiting();
    while (waiting < count && device.WaitForInput(waiting, kPatience))
        waiting = device.BytesWaiting();
    return waiting;
}

// Two devices on the ends of a pair of pseudo-terminals that socat connects.
class QtSerialDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString socat = QStandardPaths::findExecutable("socat");
        if (socat.isEmpty())
            GTEST_SKIP() << "socat is not installed";
        m_socat.start(socat, {QString::fromStdString("pty,raw,echo=0,link=" + (m_dir / "a").string()),
                              QString::fromStdString("pty,raw,echo=0,link=" + (m_dir / "b").string())});
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!(exists(m_dir / "a") && exists(m_dir / "b")) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(10ms);
        ASSERT_TRUE(exists(m_dir / "b")) << "socat offered no pseudo-terminals";
        m_first = canonical(m_dir / "a").string();
        ASSERT_TRUE(m_a.Open(m_first)) << m_a.ErrorText();
        ASSERT_TRUE(m_b.Open(canonical(m_dir / "b").string())) << m_b.ErrorText();
    }
    void TearDown() override {
        m_a.Close();
        m_b.Close();
        m_socat.terminate();
        if (!m_socat.waitForFinished(5000))
            m_socat.kill();
        m_socat.waitForFinished(5000);
    }

    test::TempDir m_dir;
    QProcess m_socat;
    std::string m_first;
    QtSerialDevice m_a;
    QtSerialDevice m_b;
};

TEST_F(QtSerialDeviceTest, WaitForInputWakesWhenBytesArriveAndSeesBytesAlreadyFetched) {
    m_a.Close();
    std::promise<void> finished;
    // The radio answers later from a thread and a device of its own, kept open until the bytes are read.
    std::thread radio([this, done = finished.get_future()] {
        QtSerialDevice device;
        EXPECT_TRUE(device.Open(m_first)) << device.ErrorText();
        std::this_thread::sleep_for(50ms);
        EXPECT_TRUE(Send(device, "abc"));
        done.wait();
    });
    EXPECT_TRUE(m_b.WaitForInput(0, kPatience));
    EXPECT_EQ(WaitForCount(m_b, 3), 3);
    // The bytes are already fetched, so no new arrival will signal them: a zero wait must see them.
    EXPECT_TRUE(m_b.WaitForInput(0, 0ms));
    EXPECT_FALSE(m_b.WaitForInput(3, 50ms));
    EXPECT_EQ(Receive(m_b, 3), "abc");
    finished.set_value();
    radio.join();
}

// Whole images cross a pseudo-terminal both ways in PseudoTerminal.ReadAndWriteThroughTheSerialDevice;
// here the radio line's settings, the missing modem lines, timeouts and purging.
TEST_F(QtSerialDeviceTest, ReadReturnsWhatCameWhenTheTimeRunsOutAndPurgeDropsPendingBytes) {
    EXPECT_TRUE(m_a.Configure({9600, 'N', 8, 2})) << m_a.ErrorText();
    EXPECT_FALSE(m_a.Configure({9600, 'X', 8, 2}));
    // A pseudo-terminal has no DTR or RTS; refusing them must not spoil the port.
    EXPECT_FALSE(m_a.SetDtr(true));
    EXPECT_FALSE(m_a.SetRts(false));
    ASSERT_TRUE(Send(m_a, "ab"));
    ASSERT_EQ(WaitForCount(m_b, 2), 2);
    EXPECT_EQ(Receive(m_b, 4, 100ms), "ab");
    EXPECT_EQ(Receive(m_b, 1, 0ms), "");
    ASSERT_TRUE(Send(m_a, "stale"));
    ASSERT_EQ(WaitForCount(m_b, 5), 5);
    m_b.PurgeInput();
    EXPECT_EQ(m_b.BytesWaiting(), 0);
    ASSERT_TRUE(Send(m_a, "x"));
    EXPECT_EQ(Receive(m_b, 1), "x");
}

TEST(QtSerialDevice, OpeningAMissingDeviceFailsWithAReason) {
    for (const std::string path : {"/dev/rpx41c-no-such-port", ""}) {
        QtSerialDevice device;
        EXPECT_FALSE(device.Open(path)) << path;
        EXPECT_FALSE(device.ErrorText().empty()) << path;
        EXPECT_FALSE(device.PermissionDenied()) << path;
        EXPECT_FALSE(device.IsOpen()) << path;
        EXPECT_EQ(device.BytesWaiting(), -1) << path;
        EXPECT_FALSE(Send(device, "x")) << path;
        EXPECT_EQ(Receive(device, 1, 0ms), "") << path;
    }
}

} // namespace
} // namespace rpx::transport
