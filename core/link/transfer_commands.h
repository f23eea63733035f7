#pragma once

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/link/radio_link.h"

namespace rpx {

// Program > Read and Program > Write: the question, the operation, and what happens to the image
// afterwards. The window refreshes its grid, title and menus from the session when they return.
class TransferCommands {
public:
    TransferCommands(RadioLink& link, Session& session, Notifier& notifier)
        : m_link(link), m_session(session), m_notifier(notifier) {}

    // True when a complete read replaced the image. The title file part becomes the untitled text
    // in every case, as the data no longer belongs to a file.
    bool OnProgramRead();
    // True when the write ran to its end.
    bool OnProgramWrite();
    // Set while one of the two runs.
    bool CommandRunning() const { return m_commandRunning; }

private:
    void TakeReadData();

    RadioLink& m_link;
    Session& m_session;
    Notifier& m_notifier;
    bool m_commandRunning = false;
};

// In trunking mode every used trunking table must hold its records without gaps.
bool TrunkingTablesContiguous(const RadioImage& image);

} // namespace rpx
