#pragma once

#include <filesystem>
#include <optional>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/radio/data_file.h"
#include "core/radio/file_lock.h"

namespace rpx {

// The File commands over the session's image, without their file dialogs: the window shows the
// dialogs and passes the chosen path, the command line passes paths directly. Every refusal and
// failure is reported through the Notifier and leaves the session as it was.
class Document {
public:
    Document(Session& session, Notifier& notifier) : m_session(session), m_notifier(notifier) {}

    // After the user confirms: a new image that keeps the model identity, untitled, trunking mode
    // off. False when the user declines.
    bool FileNew();
    // Replaces the image by the data file at path and makes it the current file. Refused: files
    // that cannot be read or are not regular files, are not data files (the message says why), or
    // enable hidden functions outside extended mode.
    bool FileOpen(const std::filesystem::path& path);
    // Writes the image to the title file part in the data directory (after asking before an
    // overwrite), or to the current folder when the data directory does not exist. Title and data
    // directory stay. False when the user declines or the write fails.
    bool FileSave();
    // Writes the image to path and makes it the current file. Asking about an overwrite is the
    // file dialog's task.
    bool FileSaveAs(const std::filesystem::path& path);
    // Every save holds the lock of its target (FileLock) while it writes and refuses when another
    // program keeps the file locked. A read-modify-save locks the file before it reads it: the
    // document then holds that lock until it ends, and its saves to that file take no second one.
    // False, after telling the user, when the file stays locked by another.
    bool LockFile(const std::filesystem::path& path);
    // The open dialog's embedded-message preview of the selected path. Nothing (leave the preview
    // as it is) when the path does not end in ".dat" in any letter case or cannot be read; both
    // lines empty when the file is not a data file.
    std::optional<MessagePreview> Preview(const std::filesystem::path& path) const;

private:
    bool Write(const std::filesystem::path& target);
    std::optional<FileLock> Lock(const std::filesystem::path& path);
    void BecomeCurrentFile(const std::filesystem::path& path);

    Session& m_session;
    Notifier& m_notifier;
    FileLock m_heldLock;
};

} // namespace rpx
