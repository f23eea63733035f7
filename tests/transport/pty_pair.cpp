#include "tests/transport/pty_pair.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <chrono>
#include <vector>

namespace rpx::test {

bool PtyPair::SocatInstalled() {
    return !QStandardPaths::findExecutable("socat").isEmpty();
}

PtyPair::PtyPair() {
    m_socat.setReadChannel(QProcess::StandardError);
    m_socat.start(QStandardPaths::findExecutable("socat"), {"-d", "-d", "pty,raw,echo=0", "pty,raw,echo=0"});
    // socat names each terminal on its log ("... N PTY is /dev/pts/3") before it moves data.
    static const QRegularExpression ptyLine("PTY is (\\S+)");
    QString log;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (m_second.empty() && std::chrono::steady_clock::now() < deadline &&
           m_socat.waitForReadyRead(1000)) {
        log += QString::fromLocal8Bit(m_socat.readAll());
        auto matches = ptyLine.globalMatch(log);
        std::vector<std::string> paths;
        while (matches.hasNext())
            paths.push_back(matches.next().captured(1).toStdString());
        if (paths.size() >= 2) {
            m_first = paths[0];
            m_second = paths[1];
        }
    }
}

PtyPair::~PtyPair() {
    m_socat.terminate();
    if (!m_socat.waitForFinished(5000))
        m_socat.kill();
    m_socat.waitForFinished(5000);
}

} // namespace rpx::test
