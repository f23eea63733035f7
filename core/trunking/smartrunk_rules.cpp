#include "core/trunking/smartrunk_rules.h"

#include <algorithm>
#include <cctype>

#include "core/editor/leading_number.h"
#include "core/text/text_ids.h"
#include "core/trunking/board_file.h"

namespace rpx {

namespace {

using O = BoardImage::Offset;
using L = BoardImage::Limit;

constexpr TextId kEnable = 1001011;
constexpr TextId kDisable = 1001015;
constexpr TextId kCarrier = 3013029;
constexpr TextId kKill = 3019097;
constexpr TextId kStun = 3019095;
constexpr TextId kSpeedDial = 3019077;
constexpr TextId kGroupCall = 3019079;
constexpr TextId kPrimaryLabel = 3019051;
constexpr TextId kSecondaryLabel = 3019053;
constexpr TextId kSystemToneLabel = 3019057;
constexpr TextId kSystemIdLabel = 3019059;
constexpr TextId kLowerLabel = 3019061;
constexpr TextId kUpperLabel = 3019063;
constexpr int kUpperSpan = 19; // the upper block decode limit lies at most this far above the lower
constexpr int kHighestCode = 9999;

struct ChoiceRow {
    BoardChoice choice;
    std::size_t offset;
    TextId label;
    TextId first;
    TextId second;
};

constexpr ChoiceRow kChoices[] = {
    {BoardChoice::PrioritySubscriber, O::kPrioritySubscriber, 3019055, kEnable, kDisable},
    {BoardChoice::BusyChannelDetect, O::kBusyChannelDetect, 3019065, kSystemToneLabel, kCarrier},
    {BoardChoice::AutomaticPtt, O::kAutomaticPtt, 3019067, kEnable, kDisable},
    {BoardChoice::EmergencyOverride, O::kEmergencyOverride, 3019069, kEnable, kDisable},
    {BoardChoice::ClearChannelAlerting, O::kClearChannelAlerting, 3019071, kEnable, kDisable},
    {BoardChoice::RadioKill, O::kRadioKill, 3019073, kKill, kStun},
    {BoardChoice::SpeedDialProgramming, O::kSpeedDialProgramming, 3019075, kEnable, kDisable},
};

const ChoiceRow& RowOf(BoardChoice choice) {
    return *std::ranges::find(kChoices, choice, &ChoiceRow::choice);
}

std::size_t CodeOffset(BoardCode code) {
    return code == BoardCode::Primary ? O::kPrimaryCode : O::kSecondaryCode;
}

bool IsCode(std::string_view typed) {
    return typed.size() == L::kCodeDigits && std::ranges::all_of(typed, [](char c) {
               return std::isdigit(static_cast<unsigned char>(c)) != 0;
           });
}

std::string FourDigits(int value) {
    std::string text = std::to_string(value);
    return std::string(L::kCodeDigits - std::min<std::size_t>(text.size(), L::kCodeDigits), '0') + text;
}

} // namespace

SmarTrunkRules::SmarTrunkRules(Session& session, Notifier& notifier)
    : m_session(session), m_notifier(notifier), m_snapshot(session.board),
      m_accessCodeKnown(session.accessCodeKnown) {}

SmarTrunkRules::~SmarTrunkRules() {
    if (m_committed)
        return;
    m_session.board = m_snapshot;
    m_session.accessCodeKnown = m_accessCodeKnown;
}

std::string SmarTrunkRules::DigitsOf(std::size_t offset) const {
    return m_session.board.CodeDigits(offset, L::kCodeDigits);
}

std::string SmarTrunkRules::Code(BoardCode code) const {
    return DigitsOf(CodeOffset(code));
}

SmarTrunkRules::CodeCommit SmarTrunkRules::CommitCode(BoardCode code, std::string_view typed) {
    const bool refused = !IsCode(typed);
    m_session.board.SetCodeDigits(CodeOffset(code), refused ? "0000" : typed);
    return {Code(code), refused};
}

SmarTrunkRules::Blocks SmarTrunkRules::BlockLimits() const {
    return {DigitsOf(O::kLowerBlock), DigitsOf(O::kUpperBlock)};
}

SmarTrunkRules::Blocks SmarTrunkRules::CommitLowerBlock(std::string_view typed) {
    const std::string_view digits = IsCode(typed) ? typed : "0000";
    m_session.board.SetCodeDigits(O::kLowerBlock, digits);
    m_session.board.SetCodeDigits(O::kUpperBlock, digits);
    return BlockLimits();
}

std::string SmarTrunkRules::CommitUpperBlock(std::string_view typed) {
    const std::string lower = DigitsOf(O::kLowerBlock);
    std::string upper = lower;
    if (IsCode(typed) && IsCode(lower)) {
        const int low = std::stoi(lower);
        upper = FourDigits(
            std::clamp(std::stoi(std::string(typed)), low, std::min(low + kUpperSpan, kHighestCode)));
    }
    m_session.board.SetCodeDigits(O::kUpperBlock, upper);
    return DigitsOf(O::kUpperBlock);
}

int SmarTrunkRules::SystemTone() const {
    return m_session.board.SystemTone();
}

int SmarTrunkRules::CommitSystemTone(std::string_view typed) {
    const bool digit = typed.size() == 1 && std::isdigit(static_cast<unsigned char>(typed[0]));
    m_session.board.SetSystemTone(digit ? typed[0] - '0' : 3);
    return SystemTone();
}

int SmarTrunkRules::SystemId() const {
    return m_session.board.SystemId();
}

int SmarTrunkRules::CommitSystemId(std::string_view typed) {
    m_session.board.SetSystemId(static_cast<int>(std::min<int64_t>(LeadingNumber(typed), L::kSystemIdMax)));
    return SystemId();
}

std::vector<std::string> SmarTrunkRules::ChoiceItems(BoardChoice choice) const {
    const ChoiceRow& row = RowOf(choice);
    return {m_notifier.Text(row.first), m_notifier.Text(row.second)};
}

int SmarTrunkRules::ChoiceSelection(BoardChoice choice) const {
    return m_session.board.FirstChoice(RowOf(choice).offset) ? 0 : 1;
}

void SmarTrunkRules::SelectChoice(BoardChoice choice, int item) {
    m_session.board.SetFirstChoice(RowOf(choice).offset, item == 0);
}

TextId SmarTrunkRules::Label(BoardChoice choice) {
    return RowOf(choice).label;
}

std::string SmarTrunkRules::SpeedDialLabel(int row) const {
    static constexpr const char* kRowNames = "0123456789ABCD";
    const std::string name(1, kRowNames[std::clamp(row, 0, L::kSpeedDialEntries - 1)]);
    if (row == 0)
        return m_notifier.Text(kSpeedDial) + " " + name;
    if (row == 10)
        return m_notifier.Text(kGroupCall) + " " + name;
    return name;
}

std::string SmarTrunkRules::SpeedDial(int row) const {
    return m_session.board.SpeedDial(row);
}

std::string SmarTrunkRules::CommitSpeedDial(int row, std::string_view typed) {
    m_session.board.SetSpeedDial(row, typed);
    return SpeedDial(row);
}

std::string SmarTrunkRules::CodeListEntry(int index) const {
    return m_session.board.CodeListEntry(index);
}

std::string SmarTrunkRules::CommitCodeListEntry(int index, std::string_view typed) {
    m_session.board.SetCodeListEntry(index, typed);
    return CodeListEntry(index);
}

void SmarTrunkRules::SetAccessCode(std::string_view digits) {
    m_session.board.SetAccessCode(digits);
    m_session.accessCodeKnown = true;
}

bool SmarTrunkRules::OpenBoardFile(const std::filesystem::path& path) {
    Result<BoardImage> board = ReadBoardFile(path, m_notifier);
    if (board)
        m_session.board = *board;
    return Reported(board);
}

bool SmarTrunkRules::SaveBoardFile(const std::filesystem::path& path) {
    return Reported(WriteBoardFile(path, m_session.board, m_notifier));
}

template <class T> bool SmarTrunkRules::Reported(const Result<T>& result) {
    if (!result)
        m_notifier.Show(Message{{},
                                txt::kCaptionError,
                                result.Message(),
                                m_notifier.Text(txt::kCaptionError),
                                MessageButtons::Ok,
                                MessageIcon::Stop});
    return result.Ok();
}

std::vector<SmarTrunkRules::Row> SmarTrunkRules::BasicRows() const {
    const Blocks blocks = BlockLimits();
    auto choice = [this](BoardChoice c) {
        return Row{m_notifier.Text(Label(c)), ChoiceItems(c)[ChoiceSelection(c)]};
    };
    std::vector<Row> rows = {
        {m_notifier.Text(kPrimaryLabel), Code(BoardCode::Primary)},
        {m_notifier.Text(kSecondaryLabel), Code(BoardCode::Secondary)},
        choice(BoardChoice::PrioritySubscriber),
        {m_notifier.Text(kSystemToneLabel), std::to_string(SystemTone())},
        {m_notifier.Text(kSystemIdLabel), std::to_string(SystemId())},
        {m_notifier.Text(kLowerLabel), blocks.lower},
        {m_notifier.Text(kUpperLabel), blocks.upper},
    };
    for (const ChoiceRow& row : kChoices)
        if (row.choice != BoardChoice::PrioritySubscriber)
            rows.push_back(choice(row.choice));
    return rows;
}

} // namespace rpx
