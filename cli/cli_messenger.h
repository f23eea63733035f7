#pragma once

#include <ostream>

#include "core/app/messenger.h"

namespace rpx::cli {

// Prints each message as "CAPTION: TEXT" and answers questions from the --yes flag: OK or Yes with
// it, Cancel or No without it. Boxes with only an OK button are answered OK.
class CliMessenger : public Messenger {
public:
    CliMessenger(std::ostream& out, bool yes) : m_out(out), m_yes(yes) {}
    MessageAnswer Show(const Message& message) override;

private:
    std::ostream& m_out;
    bool m_yes;
};

} // namespace rpx::cli
