#pragma once

#include <optional>

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

    // The question and the read, on the operation's thread: the bytes of a complete read, or
    // nothing (declined, cancelled or failed). The session is not touched.
    std::optional<StagedRead> ReadFromRadio();
    // On the window thread, once the operation has ended: the read bytes become the image, and
    // the data no longer belong to a file.
    void ApplyRead(const StagedRead& staged);
    // Both of the above in one go, for callers without a window thread. True when a complete read
    // replaced the image; otherwise image, file name and title stay as they were.
    bool OnProgramRead();
    // True when the write ran to its end.
    bool OnProgramWrite();

private:
    RadioLink& m_link;
    Session& m_session;
    Notifier& m_notifier;
};

// In trunking mode every used trunking table must hold its records without gaps.
bool TrunkingTablesContiguous(const RadioImage& image);

} // namespace rpx
