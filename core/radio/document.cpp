#include "core/radio/document.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "core/app/regular_file.h"
#include "core/radio/image_defaults.h"
#include "core/radio/image_layout.h"
#include "core/radio/safe_file_writer.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

namespace fs = std::filesystem;

constexpr TextId kNewQuestion = 3003011;
constexpr TextId kNotDataFile = 3003013;
constexpr TextId kOverwriteQuestion = 3003015; // followed directly by the file name
constexpr TextId kHiddenFunctionsRefused = 3003017;

// Reads at most the bytes a data file has: anything after them is ignored anyway, and a huge file
// chosen by mistake must not be read whole.
Result<std::vector<uint8_t>> ReadDataFileStart(const fs::path& path, const Notifier& notifier) {
    return ReadRegularFile(path, kDataFileSize, notifier.Text(txt::kNotRegularFile));
}

bool HasDataFileExtension(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".dat";
}

} // namespace

bool Document::FileNew() {
    if (m_notifier.Show(kNewQuestion, txt::kCaptionConfirm, MessageButtons::OkCancel,
                        MessageIcon::Exclamation, DefaultButton::Second) != MessageAnswer::Ok)
        return false;
    MakeNewImageKeepingModel(m_session.image);
    m_session.titleFilePart = m_notifier.Text(txt::kUntitled);
    m_session.trunkingMode = false;
    return true;
}

bool Document::FileOpen(const fs::path& path) {
    const auto bytes = ReadDataFileStart(path, m_notifier);
    if (!bytes) {
        m_notifier.ShowFilled(txt::kOpenFailed, path.string(), bytes.Message(), txt::kCaptionError,
                              MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    const std::optional<RadioImage> image = ParseDataFile(*bytes);
    if (!image) {
        const std::string why =
            CheckDataFile(*bytes) == DataFileFault::TooShort
                ? m_notifier.Filled(txt::kDataFileTooShort, path.string(), std::to_string(bytes->size()))
                : m_notifier.Filled(txt::kDataFileBadHeader, path.string(), "");
        m_notifier.Show({kNotDataFile}, "", "\n\n" + why, txt::kCaptionError, MessageButtons::Ok,
                        MessageIcon::Stop);
        return false;
    }
    if (image->HiddenFunctionsEnabled() && !m_session.extendedMode) {
        m_notifier.Show(kHiddenFunctionsRefused, txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    m_session.image = *image;
    m_session.trunkingMode = image->Byte(layout::kPortMode) == layout::kTrunkingPortMode;
    BecomeCurrentFile(path);
    return true;
}

bool Document::FileSave() {
    std::error_code ec;
    const fs::path folder(m_session.dataDirectory);
    // Without its data directory the file goes to the current folder, under the same name.
    const fs::path target = fs::is_directory(folder, ec) ? folder / m_session.titleFilePart
                                                         : fs::current_path(ec) / m_session.titleFilePart;
    if (fs::exists(target, ec) &&
        m_notifier.Show({kOverwriteQuestion}, "", m_session.titleFilePart, txt::kCaptionConfirm,
                        MessageButtons::OkCancel, MessageIcon::Exclamation,
                        DefaultButton::Second) != MessageAnswer::Ok)
        return false;
    return Write(target);
}

bool Document::FileSaveAs(const fs::path& path) {
    if (!Write(path))
        return false;
    BecomeCurrentFile(path);
    return true;
}

std::optional<MessagePreview> Document::Preview(const fs::path& path) const {
    if (!HasDataFileExtension(path))
        return std::nullopt;
    const auto bytes = ReadDataFileStart(path, m_notifier);
    if (!bytes)
        return std::nullopt;
    return PreviewMessage(*bytes);
}

bool Document::LockFile(const fs::path& path) {
    std::optional<FileLock> lock = Lock(path);
    if (!lock)
        return false;
    m_heldLock = std::move(*lock);
    return true;
}

std::optional<FileLock> Document::Lock(const fs::path& path) {
    Result<FileLock> lock = FileLock::Acquire(path);
    if (lock)
        return std::move(*lock);
    m_notifier.ShowFilled(txt::kFileInUse, path.string(), "", txt::kCaptionError, MessageButtons::Ok,
                          MessageIcon::Stop);
    return std::nullopt;
}

bool Document::Write(const fs::path& target) {
    std::optional<FileLock> lock;
    if (!m_heldLock.Covers(target)) {
        lock = Lock(target);
        if (!lock)
            return false;
    }
    const Status written = WriteFileSafely(target, SerialiseDataFile(m_session.image));
    if (written)
        return true;
    m_notifier.ShowFilled(txt::kSaveFailed, target.string(), written.Message(), txt::kCaptionError,
                          MessageButtons::Ok, MessageIcon::Stop);
    return false;
}

void Document::BecomeCurrentFile(const fs::path& path) {
    // An absolute folder stays right when the current folder changes and when it is kept in the
    // settings for the next run.
    std::error_code ec;
    fs::path full = fs::absolute(path, ec);
    if (ec)
        full = path;
    m_session.currentFilePath = full.string();
    m_session.titleFilePart = full.filename().string();
    m_session.dataDirectory = full.parent_path().string();
}

} // namespace rpx
