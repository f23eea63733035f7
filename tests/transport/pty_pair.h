#pragma once

#include <QProcess>
#include <string>

namespace rpx::test {

// Two connected pseudo-terminals made by socat: what one end writes, the other reads.
class PtyPair {
public:
    static bool SocatInstalled();

    // Starts socat; both paths stay empty when it did not offer its terminals.
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& First() const { return m_first; }
    const std::string& Second() const { return m_second; }

private:
    QProcess m_socat;
    std::string m_first;
    std::string m_second;
};

} // namespace rpx::test
