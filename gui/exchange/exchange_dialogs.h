#pragma once

#include <QWidget>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/backup/safe_transfer.h"
#include "core/exchange/channel_plan_csv.h"
#include "core/text/language_table.h"

namespace rpx::gui {

// Setup > Write Safety: a check box for each of safety's choices; true after OK, with safety
// holding what was ticked.
bool RunWriteSafetyDialog(WriteSafety& safety, const LanguageTable& texts, QWidget* parent);

// File > Backups: the kept backups, newest first; the one chosen (double-click or OK).
std::optional<std::filesystem::path> RunBackupsDialog(const BackupStore& backups, const LanguageTable& texts,
                                                      QWidget* parent);

// The radio's data to compare a write with: what was last read from or written to the radio in this
// run, else the newest backup of the same model code; with where it comes from, in words.
struct RadioData {
    RadioImage image;
    std::string source;
};
std::optional<RadioData> RadioDataBefore(const std::optional<RadioImage>& lastKnown,
                                         const BackupStore& backups, const RadioImage& toWrite,
                                         const LanguageTable& texts);

// Shows what writing image changes in the radio's data, one line per change; true when the user
// goes on with the write (OK).
bool ConfirmWriteChanges(const RadioData& radio, const RadioImage& image, bool extendedMode,
                         const LanguageTable& texts, QWidget* parent);

// What a channel plan import changed or refused, one line per value, led by the row's Location.
void ShowChannelPlanReport(const ChannelPlanReport& report, const LanguageTable& texts, QWidget* parent);

} // namespace rpx::gui
