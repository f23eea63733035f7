#pragma once

#include <string>

#include "core/app/notifier.h"

namespace rpx {

// The dialog that asks for a radio's data password before its memory is read; it shows the
// radio's embedded message so the user can tell which radio is on the cable.
class DataPasswordDialog {
public:
    static constexpr TextId kTitle = 3014001;
    static constexpr TextId kLabel = 3009013;
    static constexpr TextId kMessageGroup = 3002109;

    DataPasswordDialog(Notifier& notifier, std::string password, std::string line1, std::string line2)
        : m_notifier(notifier), m_password(std::move(password)), m_line1(std::move(line1)),
          m_line2(std::move(line2)) {}

    const std::string& MessageLine1() const { return m_line1; }
    const std::string& MessageLine2() const { return m_line2; }
    // OK pressed with typed: true closes the dialog; a wrong password is reported and the dialog stays.
    bool Ok(const std::string& typed);

private:
    Notifier& m_notifier;
    std::string m_password;
    std::string m_line1;
    std::string m_line2;
};

} // namespace rpx
