#pragma once

#include <ostream>

#include "core/app/messenger.h"

namespace rpx::cli {

// Prints each message as "CAPTION: TEXT" and answers questions from the flags: OK or Yes with
// --yes, Cancel or No without it; Retry to the first `retries` communication errors, then Cancel.
// Boxes with only an OK button are answered OK.
class CliMessenger : public Messenger {
public:
    CliMessenger(std::ostream& out, bool yes, unsigned long retries) : m_out(out), m_yes(yes), m_retries(retries) {}
    MessageAnswer Show(const Message& message) override;

private:
    std::ostream& m_out;
    bool m_yes;
    unsigned long m_retries;
};

} // namespace rpx::cli
