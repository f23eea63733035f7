#include "transport/qt_serial_device.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QSerialPort>
#include <QThread>
#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rpx::transport {

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

milliseconds Left(steady_clock::time_point deadline) {
    return std::chrono::ceil<milliseconds>(deadline - steady_clock::now());
}

int QtMilliseconds(milliseconds span) {
    return static_cast<int>(std::clamp<milliseconds::rep>(span.count(), 0, INT_MAX));
}

// Qt's port registers socket notifiers on its thread even when only its blocking calls are used;
// they need an event dispatcher, which a thread not started by Qt gets from a (never run) event loop.
void ProvideEventDispatcher() {
    if (QCoreApplication::instance() != nullptr && QThread::currentThread()->eventDispatcher() == nullptr) {
        const QEventLoop makesDispatcher;
    }
}

// How long a write may take: the bytes at the line's speed, plus a second for the system.
milliseconds WriteTime(std::size_t byteCount, const LineSettings& settings) {
    const int bitsPerByte = 1 + settings.dataBits + (settings.parity == 'N' ? 0 : 1) + settings.stopBits;
    const auto lineTime = static_cast<milliseconds::rep>(byteCount) * bitsPerByte * 1000 / settings.baudRate;
    return milliseconds(1000 + lineTime);
}

} // namespace

bool NotInSerialGroupOf(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return false;
    const group* owner = getgrgid(status.st_gid);
    if (owner == nullptr ||
        (std::strcmp(owner->gr_name, "dialout") != 0 && std::strcmp(owner->gr_name, "uucp") != 0))
        return false;
    if (getegid() == status.st_gid)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(getgroups(0, nullptr), 0)));
    const int count = getgroups(static_cast<int>(groups.size()), groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(count, 0), status.st_gid) ==
           groups.begin() + std::max(count, 0);
}

QtSerialDevice::QtSerialDevice() = default;
QtSerialDevice::~QtSerialDevice() = default;

bool QtSerialDevice::Open(const std::string& path) {
    Close();
    if (path.empty()) {
        m_errorText = "No device chosen";
        m_permissionDenied = false;
        m_lacksSerialGroup = false;
        return false;
    }
    ProvideEventDispatcher();
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(QString::fromStdString(path));
    if (!port->open(QIODevice::ReadWrite)) {
        m_errorText = port->errorString().toStdString();
        // Qt also calls a port locked by another program a permission error; only a device this
        // user may not read and write means missing permission.
        const QFileInfo file(QString::fromStdString(path));
        m_permissionDenied =
            port->error() == QSerialPort::PermissionError && !(file.isReadable() && file.isWritable());
        m_lacksSerialGroup = m_permissionDenied && NotInSerialGroupOf(path);
        return false;
    }
    m_errorText.clear();
    m_permissionDenied = false;
    m_lacksSerialGroup = false;
    m_port = std::move(port);
    return true;
}

void QtSerialDevice::Close() {
    m_port.reset();
}

bool QtSerialDevice::IsOpen() const {
    return m_port != nullptr && m_port->isOpen();
}

bool QtSerialDevice::Configure(const LineSettings& settings) {
    if (!IsOpen())
        return false;
    const QSerialPort::Parity parity = settings.parity == 'E'   ? QSerialPort::EvenParity
                                       : settings.parity == 'O' ? QSerialPort::OddParity
                                                                : QSerialPort::NoParity;
    if ((settings.parity != 'N' && parity == QSerialPort::NoParity) || settings.dataBits < 5 ||
        settings.dataBits > 8 || (settings.stopBits != 1 && settings.stopBits != 2) ||
        settings.baudRate <= 0) {
        m_errorText = "Unsupported line settings";
        return false;
    }
    const bool applied =
        m_port->setBaudRate(settings.baudRate) && m_port->setParity(parity) &&
        m_port->setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
        m_port->setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
        m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!applied) {
        m_errorText = m_port->errorString().toStdString();
        m_port->clearError();
        return false;
    }
    m_settings = settings;
    return true;
}

bool QtSerialDevice::SetDtr(bool high) {
    return SetModemLine(&QSerialPort::setDataTerminalReady, high);
}

bool QtSerialDevice::SetRts(bool high) {
    return SetModemLine(&QSerialPort::setRequestToSend, high);
}

bool QtSerialDevice::SetModemLine(bool (QSerialPort::*set)(bool), bool high) {
    if (!IsOpen())
        return false;
    if ((m_port.get()->*set)(high))
        return true;
    m_port->clearError(); // a pseudo-terminal has no modem lines
    return false;
}

bool QtSerialDevice::Write(std::span<const uint8_t> bytes) {
    if (!IsOpen())
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    bool written = m_port->write(reinterpret_cast<const char*>(bytes.data()), size) == size;
    const Deadline deadline = steady_clock::now() + WriteTime(bytes.size(), m_settings);
    while (written && m_port->bytesToWrite() > 0) {
        const milliseconds left = Left(deadline);
        written = left > milliseconds(0) && m_port->waitForBytesWritten(QtMilliseconds(left));
    }
    if (!written) {
        // Unsent bytes must not ride along with the next request.
        m_port->clear(QSerialPort::Output);
        m_port->clearError();
    }
    return written;
}

int QtSerialDevice::BytesWaiting() {
    if (!IsOpen())
        return -1;
    Fetch(milliseconds(0));
    return static_cast<int>(std::min<qint64>(m_port->bytesAvailable(), INT_MAX));
}

bool QtSerialDevice::WaitForInput(int knownCount, milliseconds timeout) {
    return WaitUntil(steady_clock::now() + timeout, [knownCount](int count) { return count != knownCount; });
}

std::size_t QtSerialDevice::Read(std::span<uint8_t> buffer, milliseconds timeout) {
    if (!IsOpen())
        return 0;
    const std::size_t wanted = buffer.size();
    WaitUntil(steady_clock::now() + timeout,
              [wanted](int count) { return count >= 0 && static_cast<std::size_t>(count) >= wanted; });
    const qint64 got = m_port->read(reinterpret_cast<char*>(buffer.data()), static_cast<qint64>(wanted));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

void QtSerialDevice::PurgeInput() {
    // Empties the port's own buffer and flushes what the system has received but not handed over.
    if (IsOpen() && !m_port->clear(QSerialPort::Input))
        m_port->clearError();
}

bool QtSerialDevice::Fetch(milliseconds wait) {
    if (m_port->waitForReadyRead(QtMilliseconds(wait)))
        return true;
    const QSerialPort::SerialPortError error = m_port->error();
    // A timeout stays latched in the port until cleared; nothing new is not a failure.
    m_port->clearError();
    return error == QSerialPort::NoError || error == QSerialPort::TimeoutError;
}

bool QtSerialDevice::WaitUntil(Deadline deadline, const std::function<bool(int)>& done) {
    for (;;) {
        if (done(BytesWaiting()))
            return true;
        const milliseconds left = Left(deadline);
        if (!IsOpen() || left <= milliseconds(0) || !Fetch(left))
            return false;
    }
}

} // namespace rpx::transport
