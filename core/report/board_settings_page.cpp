#include "core/report/section_printers.h"

namespace rpx {

namespace {

constexpr TextId kTitle = 3019013;
constexpr TextId kSpeedDial = 3019077;
constexpr TextId kCodeList = 3019081;
constexpr int kBasicValue = 60;

} // namespace

// The basic settings one a line, then the speed-dial memories beside the code list.
void PrintBoardSettings(PrintPage& page, const LanguageTable& texts, const BoardSettingsText& board) {
    page.AddBody(0, BodyColumn::kTitle, texts.GetText(kTitle));
    int line = 2;
    for (const auto& [label, shown] : board.basic) {
        page.AddBody(line, BodyColumn::kLabel, label);
        page.AddBody(line, kBasicValue, shown);
        ++line;
    }
    const int lists = line + 1;
    page.AddBody(lists, BodyColumn::kLabel, texts.GetText(kSpeedDial));
    page.AddBody(lists, BodyColumn::kLabel2, texts.GetText(kCodeList));
    for (std::size_t row = 0; row < board.speedDial.size(); ++row) {
        page.AddBody(lists + 1 + static_cast<int>(row), BodyColumn::kLabel, board.speedDial[row].first);
        page.AddBody(lists + 1 + static_cast<int>(row), BodyColumn::kValue, board.speedDial[row].second);
    }
    for (std::size_t entry = 0; entry < board.codeList.size(); ++entry) {
        page.AddBody(lists + 1 + static_cast<int>(entry), BodyColumn::kLabel2, std::to_string(entry + 1));
        page.AddBody(lists + 1 + static_cast<int>(entry), BodyColumn::kValue2, board.codeList[entry]);
    }
}

} // namespace rpx
