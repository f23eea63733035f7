#include "core/link/tuning_items.h"
#include "core/link/tuning_points.h"
#include "core/report/section_printers.h"

namespace rpx {

namespace {

constexpr TextId kTitle = 3012049;
constexpr int kFirstValueLine = 2;

} // namespace

// One line per value the radio reported, by tuning item and point, at the channel spacing the
// radio was last set to.
void PrintTuningData(PrintPage& page, const TestModeState& state, const LanguageTable& texts) {
    page.AddBody(0, BodyColumn::kTitle, texts.GetText(kTitle));
    int line = kFirstValueLine;
    for (const TuningItem& item : TuningItems()) {
        for (const TuningPage& point : TuningPages(item.PointCount(state.wide))) {
            page.AddBody(line, BodyColumn::kLabel, texts.GetText(item.text));
            page.AddBody(line, BodyColumn::kValue, texts.GetText(point.tab));
            page.AddBody(
                line, BodyColumn::kLabel2,
                std::to_string(state.readAdjustments.at(item.AdjustmentEntry(point.point, state.wide))));
            ++line;
        }
    }
}

} // namespace rpx
