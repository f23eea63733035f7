#pragma once

#include <string>
#include <vector>

#include "core/app/messenger.h"
#include "core/app/result.h"
#include "core/text/language_table.h"

namespace rpx {

// Texts of the program's own messages that came after the original set (TextIds 3020xxx). A
// language file may lack any of them: the English of resources/lang/Rpx41c.lng, built into the
// program, stands in.
namespace txt {
inline constexpr TextId kSaveFailed = 3020001;     // %1 path, %2 reason
inline constexpr TextId kOpenFailed = 3020003;     // %1 path, %2 reason
inline constexpr TextId kPortPermission = 3020005; // %1 device path, %2 reason

// Files that are not data files, files in use
inline constexpr TextId kNotRegularFile = 3020101;    // reason: a FIFO, device or folder
inline constexpr TextId kDataFileTooShort = 3020103;  // %1 path, %2 size in bytes
inline constexpr TextId kDataFileBadHeader = 3020105; // %1 path
inline constexpr TextId kFileInUse = 3020107;         // %1 path
inline constexpr TextId kPartlyWritten = 3020201;  // a write that stopped after blocks went out
inline constexpr TextId kModelCodes = 3020203;     // %1 the data's model code, %2 the radio's
inline constexpr TextId kPortNoAccess = 3020205;   // %1 device path, %2 reason; not a group matter
// 3003059 on the command line, which names the port with an option instead of a menu.
inline constexpr TextId kPortCannotOpenCli = 3020301;

// The trunking board's settings
inline constexpr TextId kNotBoardFile = 3020400; // %1 the header line
inline constexpr TextId kOpenBoardFile = 3020401;
inline constexpr TextId kSaveBoardFile = 3020402;
inline constexpr TextId kBoardFileFilter = 3020403;
inline constexpr TextId kBoardPortMenu = 3020415;
inline constexpr TextId kBoardPortTitle = 3020417;

// Row commands of the channel grid
inline constexpr TextId kEncodeToneTitle = 3020501;
inline constexpr TextId kGroupCopyTitle = 3020503;
inline constexpr TextId kGroupCopyQuestion = 3020505; // %1 the row's group, %2 the other group
// The wire trace of the window
inline constexpr TextId kWireTraceMenu = 3020601;
inline constexpr TextId kWireTraceStop = 3020603;    // %1 trace file
inline constexpr TextId kWireTraceTitle = 3020605;   // file dialog title
inline constexpr TextId kWireTraceRefused = 3020607; // %1 trace file, %2 reason
// Values of the feature dialogs given on the command line
inline constexpr TextId kNotAChoice = 3020701;         // %1 value, %2 the choices
inline constexpr TextId kNotOnOrOff = 3020703;         // %1 value, %2 the two forms
inline constexpr TextId kNotASetting = 3020705;        // %1 key
inline constexpr TextId kNotATimeText = 3020707;       // %1 value: not what typing it into a time field gives
inline constexpr TextId kMessageLineTooLong = 3020709; // %1 value, %2 the length of a line
inline constexpr TextId kNotDigits = 3020751;          // %1 value, %2 most digits
// Print preview and the printed record as a PDF
// Backups, verify, what a write changes, the data as text
inline constexpr TextId kSettingGreyed = 3020801;      // %1 key: its control is greyed now
inline constexpr TextId kNotAPassword = 3020803;       // %1 value, %2 most characters
inline constexpr TextId kNotADtmfCode = 3020811;       // %1 value, %2 most characters
inline constexpr TextId kTooLongForField = 3020823;    // %1 value, %2 most characters
inline constexpr TextId kNotAFrequencyText = 3020831; // %1 value, %2 most characters
inline constexpr TextId kPrintPreviewMenu = 3020841;
inline constexpr TextId kExportPdfMenu = 3020843;
inline constexpr TextId kExportPdfTitle = 3020845; // file dialog title
inline constexpr TextId kPdfFilter = 3020847;      // file dialog filter
inline constexpr TextId kWriteSafetyMenu = 3020855;
inline constexpr TextId kWriteSafetyTitle = 3020856;
inline constexpr TextId kBackupBeforeWrite = 3020857;
inline constexpr TextId kVerifyAfterWrite = 3020858;
inline constexpr TextId kShowChangesBeforeWrite = 3020859;
inline constexpr TextId kBackupsMenu = 3020860;
inline constexpr TextId kBackupsTitle = 3020861;
inline constexpr TextId kBackupFailed = 3020862;        // %1 folder, %2 reason
inline constexpr TextId kVerifyFailed = 3020863;        // %1 count, %2 offsets
inline constexpr TextId kVerifyPassed = 3020864;
inline constexpr TextId kVerifyReadFailed = 3020865;
inline constexpr TextId kTextLineNotUnderstood = 3020866; // %1 line number, %2 the line
inline constexpr TextId kTextNotStored = 3020867;
inline constexpr TextId kChangesTitle = 3020868;
inline constexpr TextId kNoChanges = 3020869;
inline constexpr TextId kChangesFrom = 3020870;   // %1 where the radio's data come from
inline constexpr TextId kReadThisSession = 3020871;
inline constexpr TextId kBackupKept = 3020872;    // %1 path
// Channel plans as CSV
inline constexpr TextId kImportPlanMenu = 3020873;
inline constexpr TextId kExportPlanMenu = 3020874;
inline constexpr TextId kChannelPlanTitle = 3020875;  // file dialogs and the import report
inline constexpr TextId kChannelPlanFilter = 3020876; // file dialog filter
inline constexpr TextId kPlanValueChanged = 3020877;  // %1 field and value, %2 what was stored
inline constexpr TextId kPlanValueRefused = 3020878;  // %1 field and value, %2 why
inline constexpr TextId kPlanNotATone = 3020879;
inline constexpr TextId kPlanNotAChannel = 3020880;
inline constexpr TextId kPlanRowNotEditable = 3020881;
inline constexpr TextId kPlanNotOneOf = 3020882; // %1 the values taken
inline constexpr TextId kPlanNoColumn = 3020883; // %1 column name
} // namespace txt

// Every TextId the program looks up: the 471 of the original set, then the program's own.
std::vector<TextId> StartupTextIds();
// The original set alone: a language file must hold every one of them.
std::vector<TextId> OriginalTextIds();
// The program's own TextIds: every 3020xxx marked in the built-in copy of Rpx41c.lng.
std::vector<TextId> OwnTextIds();
// The built-in English of the program's own texts.
const LanguageTable& BuiltInTexts();

// Loads the startup texts from the first of directories that holds the language files. On failure
// tells the user (with the two fixed messages that cannot come from the files) and returns the
// message shown: the program must then end with exit code 1.
Status LoadTexts(LanguageTable& table, Messenger& messenger, const std::vector<std::string>& directories);

} // namespace rpx
