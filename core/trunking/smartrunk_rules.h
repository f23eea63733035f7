#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/result.h"
#include "core/app/session.h"

namespace rpx {

// The code fields of the basic page.
enum class BoardCode { Primary, Secondary };
// The two-item lists of the basic page, in the dialog's order.
enum class BoardChoice {
    PrioritySubscriber,
    BusyChannelDetect,
    AutomaticPtt,
    EmergencyOverride,
    ClearChannelAlerting,
    RadioKill,
    SpeedDialProgramming,
};

// What the SmarTrunk dialog does to the session's board settings: every field of its three pages as
// texts, every store the user can make, the new access code, OK and Cancel. Edits reach the board
// settings at once; rules destroyed without Ok() put every character back, an access code set
// meanwhile included.
class SmarTrunkRules {
public:
    SmarTrunkRules(Session& session, Notifier& notifier);
    ~SmarTrunkRules();
    SmarTrunkRules(const SmarTrunkRules&) = delete;
    SmarTrunkRules& operator=(const SmarTrunkRules&) = delete;

    // Basic page. Each Commit returns what its field shows afterwards.
    std::string Code(BoardCode code) const;
    struct CodeCommit {
        std::string shown;
        bool refused = false; // not four digits: stored as "0000", the field takes the focus again
    };
    CodeCommit CommitCode(BoardCode code, std::string_view typed);
    struct Blocks {
        std::string lower;
        std::string upper;
        bool operator==(const Blocks&) const = default;
    };
    Blocks BlockLimits() const;
    // Four digits set both limits to them, anything else both to "0000".
    Blocks CommitLowerBlock(std::string_view typed);
    // Kept within lower..lower + 19 (and 9999); anything but four digits becomes the lower limit.
    std::string CommitUpperBlock(std::string_view typed);
    int SystemTone() const;
    // One digit, above 6 taken as 6; an empty or non-digit text stores the default 3.
    int CommitSystemTone(std::string_view typed);
    int SystemId() const;
    // A number above 31 is stored as 31.
    int CommitSystemId(std::string_view typed);
    // The list's two items; item 0 is the first choice.
    std::vector<std::string> ChoiceItems(BoardChoice choice) const;
    int ChoiceSelection(BoardChoice choice) const;
    void SelectChoice(BoardChoice choice, int item);
    static TextId Label(BoardChoice choice);

    // Speed-dial page: 14 rows, code-list page: 16 entries. Commits return what the cell shows.
    // Row names: "Speed Dial 0", "1" .. "9", "Group Call A", "B" .. "D".
    std::string SpeedDialLabel(int row) const;
    std::string SpeedDial(int row) const;
    std::string CommitSpeedDial(int row, std::string_view typed);
    std::string CodeListEntry(int index) const;
    std::string CommitCodeListEntry(int index, std::string_view typed);

    // A confirmed new access code (five digits): stored in the board settings, and the board link
    // may offer it from now on.
    void SetAccessCode(std::string_view digits);

    // The dialog's board file buttons. Opening replaces every character (Cancel brings the earlier
    // ones back); saving writes the settings as they stand. A failure is shown; false then.
    bool OpenBoardFile(const std::filesystem::path& path);
    bool SaveBoardFile(const std::filesystem::path& path);

    // The basic page's label and shown text of each field, in the dialog's order.
    struct Row {
        std::string label;
        std::string shown;
    };
    std::vector<Row> BasicRows() const;

    // OK: the edits are kept.
    void Ok() { m_committed = true; }

private:
    std::string DigitsOf(std::size_t offset) const;
    // Shows a failure's message; true when there was none.
    template <class T> bool Reported(const Result<T>& result);

    Session& m_session;
    Notifier& m_notifier;
    BoardImage m_snapshot;
    bool m_accessCodeKnown;
    bool m_committed = false;
};

} // namespace rpx
