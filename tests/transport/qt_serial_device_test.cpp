#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <thread>
#include <vector>

#include "tests/transport/pty_pair.h"
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

// Sends pieces from a worker thread through a device of its own, a pause before each, as a radio
// answering in bursts would; keeps that end open until the test has finished with the bytes.
class PacedSender {
public:
    PacedSender(std::string path, std::vector<std::string> pieces)
        : m_thread([this, path = std::move(path), pieces = std::move(pieces)] {
              QtSerialDevice device;
              ASSERT_TRUE(device.Open(path)) << device.ErrorText();
              for (const std::string& piece : pieces) {
                  std::this_thread::sleep_for(50ms);
                  EXPECT_TRUE(Send(device, piece));
              }
              m_finished.get_future().wait();
          }) {}
    ~PacedSender() {
        m_finished.set_value();
        m_thread.join();
    }

private:
    std::promise<void> m_finished;
    std::thread m_thread;
};

class QtSerialDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::PtyPair::SocatInstalled())
            GTEST_SKIP() << "socat is not installed";
        m_pty = std::make_unique<test::PtyPair>();
        ASSERT_FALSE(m_pty->Second().empty()) << "socat offered no pseudo-terminals";
        ASSERT_TRUE(m_a.Open(m_pty->First())) << m_a.ErrorText();
        ASSERT_TRUE(m_b.Open(m_pty->Second())) << m_b.ErrorText();
    }

    std::unique_ptr<test::PtyPair> m_pty;
    QtSerialDevice m_a;
    QtSerialDevice m_b;
};

TEST_F(QtSerialDeviceTest, CarriesBytesBothWaysOnTheRadioLineWithoutModemLines) {
    const LineSettings radioLine{9600, 'N', 8, 2};
    EXPECT_TRUE(m_a.Configure(radioLine)) << m_a.ErrorText();
    EXPECT_TRUE(m_b.Configure(radioLine)) << m_b.ErrorText();
    EXPECT_FALSE(m_a.Configure({9600, 'X', 8, 2}));
    // A pseudo-terminal has no DTR or RTS; refusing them must not spoil the port.
    EXPECT_FALSE(m_a.SetDtr(true));
    EXPECT_FALSE(m_a.SetRts(false));
    ASSERT_TRUE(Send(m_a, "PROGRAM"));
    EXPECT_EQ(Receive(m_b, 7), "PROGRAM");
    ASSERT_TRUE(Send(m_b, std::string("\x06\x00\xFF", 3)));
    EXPECT_EQ(Receive(m_a, 3), std::string("\x06\x00\xFF", 3));
}

TEST_F(QtSerialDeviceTest, BytesWaitingCountsWhatArrivedAndWasNotRead) {
    QtSerialDevice neverOpened;
    EXPECT_EQ(neverOpened.BytesWaiting(), -1);
    EXPECT_EQ(m_b.BytesWaiting(), 0);
    ASSERT_TRUE(Send(m_a, "12345"));
    EXPECT_EQ(WaitForCount(m_b, 5), 5);
    EXPECT_EQ(Receive(m_b, 2), "12");
    EXPECT_EQ(m_b.BytesWaiting(), 3);
    m_b.Close();
    EXPECT_EQ(m_b.BytesWaiting(), -1);
}

TEST_F(QtSerialDeviceTest, WaitForInputWakesWhenBytesArrive) {
    m_a.Close();
    const PacedSender radio(m_pty->First(), {"x"});
    EXPECT_TRUE(m_b.WaitForInput(0, kPatience));
    EXPECT_GT(m_b.BytesWaiting(), 0);
}

TEST_F(QtSerialDeviceTest, WaitForInputReturnsAtOnceWhenTheCountAlreadyDiffers) {
    ASSERT_TRUE(Send(m_a, "abc"));
    ASSERT_EQ(WaitForCount(m_b, 3), 3);
    // The bytes are already fetched, so no new arrival will signal them: a zero wait must see them.
    EXPECT_TRUE(m_b.WaitForInput(0, 0ms));
    EXPECT_FALSE(m_b.WaitForInput(3, 50ms));
    // A wait that ran out leaves the port working.
    ASSERT_TRUE(Send(m_a, "d"));
    EXPECT_EQ(Receive(m_b, 4), "abcd");
}

TEST_F(QtSerialDeviceTest, ReadCollectsBytesThatArriveInPieces) {
    m_a.Close();
    const PacedSender radio(m_pty->First(), {"AB", "CDE", "F"});
    EXPECT_EQ(Receive(m_b, 6), "ABCDEF");
}

TEST_F(QtSerialDeviceTest, ReadReturnsWhatCameWhenTheTimeRunsOut) {
    ASSERT_TRUE(Send(m_a, "ab"));
    ASSERT_EQ(WaitForCount(m_b, 2), 2);
    EXPECT_EQ(Receive(m_b, 4, 100ms), "ab");
    EXPECT_EQ(Receive(m_b, 1, 0ms), "");
    ASSERT_TRUE(Send(m_a, "cd"));
    EXPECT_EQ(Receive(m_b, 2), "cd");
}

TEST_F(QtSerialDeviceTest, PurgeInputDropsEveryPendingByte) {
    ASSERT_TRUE(Send(m_a, "stale"));
    ASSERT_EQ(WaitForCount(m_b, 5), 5);
    m_b.PurgeInput();
    EXPECT_EQ(m_b.BytesWaiting(), 0);
    ASSERT_TRUE(Send(m_a, "x"));
    EXPECT_EQ(Receive(m_b, 1), "x");
}

TEST_F(QtSerialDeviceTest, APortIsHeldByOneDeviceAtATime) {
    QtSerialDevice second;
    EXPECT_FALSE(second.Open(m_pty->First()));
    EXPECT_FALSE(second.ErrorText().empty());
    // Busy is not missing permission: the user must not be sent to fix group membership.
    EXPECT_FALSE(second.PermissionDenied());
    m_a.Close();
    EXPECT_TRUE(second.Open(m_pty->First())) << second.ErrorText();
    EXPECT_TRUE(second.ErrorText().empty());
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
