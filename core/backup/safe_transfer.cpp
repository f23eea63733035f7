#include "core/backup/safe_transfer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr std::size_t kListedAddresses = 8;

std::optional<bool> Flag(const SettingsStore& store, std::string_view key) {
    const std::optional<std::string> value = store.Value(std::string(key));
    return value ? std::optional<bool>(*value == "1") : std::nullopt;
}

std::string AddressList(const std::vector<std::size_t>& addresses) {
    std::string list;
    for (std::size_t i = 0; i < addresses.size() && i < kListedAddresses; ++i) {
        char address[16];
        std::snprintf(address, sizeof address, "%s0x%03zX", i == 0 ? "" : ", ", addresses[i]);
        list += address;
    }
    return list + (addresses.size() > kListedAddresses ? ", ..." : "");
}

} // namespace

WriteSafety ReadWriteSafety(const SettingsStore& store) {
    return {Flag(store, kBackupBeforeWriteKey).value_or(false),
            Flag(store, kVerifyAfterWriteKey).value_or(false), Flag(store, kShowChangesKey).value_or(false)};
}

void StoreWriteSafety(SettingsStore& store, const WriteSafety& safety) {
    store.SetValue(std::string(kBackupBeforeWriteKey), safety.backupBeforeWrite ? "1" : "0");
    store.SetValue(std::string(kVerifyAfterWriteKey), safety.verifyAfterWrite ? "1" : "0");
    store.SetValue(std::string(kShowChangesKey), safety.showChanges ? "1" : "0");
}

RadioImage ImageOfRead(const StagedRead& read) {
    RadioImage image;
    image.FillAll(0xFF);
    std::copy_n(read.bytes.begin(), std::min(read.bytes.size(), RadioImage::kSize), image.Bytes().begin());
    return image;
}

std::vector<std::size_t> UnconfirmedBytes(std::span<const SentBlock> sent, const StagedRead& readBack) {
    std::vector<std::size_t> addresses;
    for (const SentBlock& block : sent)
        for (std::size_t i = 0; i < block.data.size(); ++i) {
            const std::size_t address = block.address + i;
            if (address >= readBack.bytes.size() || readBack.bytes[address] != block.data[i])
                addresses.push_back(address);
        }
    return addresses;
}

bool SafeTransfer::KeepBackup(const StagedRead& read) {
    const Result<std::filesystem::path> kept =
        m_backups.Keep(ImageOfRead(read), std::chrono::system_clock::now());
    if (!kept) {
        m_notifier.ShowFilled(txt::kBackupFailed, m_backups.Folder().string(), kept.Message(),
                              txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    m_lastBackup = *kept;
    return true;
}

std::optional<StagedRead> SafeTransfer::ReadFromRadio() {
    m_lastBackup.reset();
    std::optional<StagedRead> staged = m_transfer.ReadFromRadio();
    if (staged)
        KeepBackup(*staged);
    return staged;
}

bool SafeTransfer::OnProgramRead() {
    const std::optional<StagedRead> staged = ReadFromRadio();
    if (staged)
        ApplyRead(*staged);
    return staged.has_value();
}

bool SafeTransfer::Verify() {
    const std::vector<SentBlock> sent = m_link.SentBlocks();
    const std::optional<StagedRead> readBack = m_link.ReadRadio();
    if (!readBack) {
        m_notifier.Show(txt::kVerifyReadFailed, txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    const std::vector<std::size_t> differ = UnconfirmedBytes(sent, *readBack);
    if (!differ.empty()) {
        m_notifier.ShowFilled(txt::kVerifyFailed, std::to_string(differ.size()), AddressList(differ),
                              txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    m_notifier.Show(txt::kVerifyPassed, 0, MessageButtons::Ok, MessageIcon::Information);
    return true;
}

bool SafeTransfer::OnProgramWrite() {
    m_lastBackup.reset();
    if (m_safety.backupBeforeWrite) {
        const std::optional<StagedRead> before = m_link.ReadRadio();
        if (!before || !KeepBackup(*before))
            return false;
    }
    return m_transfer.OnProgramWrite() && (!m_safety.verifyAfterWrite || Verify());
}

} // namespace rpx
