#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/app/settings.h"
#include "core/backup/backup_store.h"
#include "core/link/transfer_commands.h"

namespace rpx {

// What the user asked of every write, remembered between runs. All off unless asked for: then a
// write is exactly the write it always was.
struct WriteSafety {
    bool backupBeforeWrite = false; // read the radio and keep a backup first
    bool verifyAfterWrite = false;  // read the radio back and compare every byte sent
    bool showChanges = false;       // show what the write changes before it starts (the window)
    bool operator==(const WriteSafety&) const = default;
};

inline constexpr std::string_view kBackupBeforeWriteKey = "Safety/BackupBeforeWrite";
inline constexpr std::string_view kVerifyAfterWriteKey = "Safety/VerifyAfterWrite";
inline constexpr std::string_view kShowChangesKey = "Safety/ShowChanges";

WriteSafety ReadWriteSafety(const SettingsStore& store);
void StoreWriteSafety(SettingsStore& store, const WriteSafety& safety);

// The image a complete read holds: the bytes as they came, the upper half erased on a 1024-byte radio.
RadioImage ImageOfRead(const StagedRead& read);
// The addresses at which a read differs from the blocks a write sent, in order.
std::vector<std::size_t> UnconfirmedBytes(std::span<const SentBlock> sent, const StagedRead& readBack);

// Program > Read and Program > Write with the backups and the check the user asked for. Every read
// keeps a backup of what the radio held; a backup that cannot be made is reported, and the read
// still counts, since the data are then in the program.
class SafeTransfer {
public:
    SafeTransfer(RadioLink& link, Session& session, Notifier& notifier, const BackupStore& backups,
                 WriteSafety safety)
        : m_link(link), m_session(session), m_notifier(notifier), m_backups(backups), m_safety(safety),
          m_transfer(link, session, notifier) {}

    // TransferCommands::ReadFromRadio, and a backup of its bytes.
    std::optional<StagedRead> ReadFromRadio();
    void ApplyRead(const StagedRead& staged) { m_transfer.ApplyRead(staged); }
    // Both, for callers without a window thread.
    bool OnProgramRead();
    // Program > Write: with backupBeforeWrite a read and a backup first (a failure there stops it
    // before anything is written); with verifyAfterWrite a read back afterwards, and any byte that
    // differs from what was sent is reported by its address and fails the write.
    bool OnProgramWrite();

    void SetSafety(WriteSafety safety) { m_safety = safety; }
    // The backup the last operation kept.
    const std::optional<std::filesystem::path>& LastBackup() const { return m_lastBackup; }

private:
    bool KeepBackup(const StagedRead& read);
    bool Verify();

    RadioLink& m_link;
    Session& m_session;
    Notifier& m_notifier;
    const BackupStore& m_backups;
    WriteSafety m_safety;
    TransferCommands m_transfer;
    std::optional<std::filesystem::path> m_lastBackup;
};

} // namespace rpx
