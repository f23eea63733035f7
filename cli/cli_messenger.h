#pragma once

#include <ostream>

#include "core/app/messenger.h"
#include "core/text/language_table.h"

namespace rpx::cli {

// How the command line answers the program's questions, from its options.
struct CliAnswers {
    bool yes = false;          // --yes: OK or Yes
    bool force = false;        // --force: also OK to the questions that protect a radio from wrong data
    unsigned long retries = 0; // --retries N: Retry to the first N communication errors
};

// Prints each message as "CAPTION: TEXT" (just TEXT without a caption) and answers it from the
// options: OK or Yes with --yes, Cancel or No without it, saying which option would have answered
// otherwise. Writing data of another model, or 2048-byte data into a 1024-byte radio, needs --force
// besides --yes, so a fleet script cannot silently write the wrong radio. Boxes with only an OK
// button are answered OK.
class CliMessenger : public Messenger {
public:
    // texts may still be empty here: it is read when a message is shown.
    CliMessenger(std::ostream& out, const LanguageTable& texts, CliAnswers answers)
        : m_out(out), m_texts(texts), m_answers(answers) {}
    MessageAnswer Show(const Message& message) override;

private:
    // The message text with what only makes sense in the window replaced by its command-line words.
    std::string CommandLineText(const Message& message) const;
    bool Confirm(const Message& message) const;

    std::ostream& m_out;
    const LanguageTable& m_texts;
    CliAnswers m_answers;
};

} // namespace rpx::cli
