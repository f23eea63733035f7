#pragma once

#include <string_view>

#include "core/app/notifier.h"
#include "core/trunking/smartrunk_rules.h"

namespace rpx {

// The new-access-code dialog of the SmarTrunk dialog. The board settings keep their access code
// until a change is confirmed: a refused or declined change, or Cancel, leaves the old code.
class NewAccessCodeRules {
public:
    NewAccessCodeRules(SmarTrunkRules& board, Notifier& notifier) : m_board(board), m_notifier(notifier) {}

    // The verify field and OK wait for a new code of five digits.
    static bool IsComplete(std::string_view code);
    // Enter in the new-code field: one to four digits are refused with a message (the field is then
    // cleared); true when refused.
    bool RefuseShortCode(std::string_view code);

    enum class Outcome {
        Mismatch, // told the user; the verify field takes the focus
        Declined, // the user did not confirm; the dialog stays open
        Changed,  // stored; the dialog closes
    };
    Outcome Ok(std::string_view code, std::string_view verify);

private:
    SmarTrunkRules& m_board;
    Notifier& m_notifier;
};

} // namespace rpx
