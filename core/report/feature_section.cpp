#include "core/features/feature_rules.h"
#include "core/features/orbicall_rules.h"
#include "core/report/section_printers.h"

namespace rpx {

namespace {

constexpr int kFirstFieldLine = 2;
// More fields than this go two to a line, so that a long dialog still fits its page.
constexpr std::size_t kSingleColumnFields = 24;
constexpr TextId kNone = 3018007;
// One field a line leaves room for the long labels of a dialog.
constexpr int kSingleColumnValue = 60;
// Two fields a line: 25 widths for a label and for the left value, so that the right value (a
// port's function, a DTMF memory) keeps some 30 before the page's edge.
constexpr int kTwoColumnValue = 45, kTwoColumnLabel2 = 70, kTwoColumnValue2 = 95;

void AddFieldLines(PrintPage& page, const std::vector<std::pair<std::string, std::string>>& fields) {
    const bool twoColumns = fields.size() > kSingleColumnFields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const bool right = twoColumns && i % 2 == 1;
        const int line = kFirstFieldLine + static_cast<int>(twoColumns ? i / 2 : i);
        page.AddBody(line, right ? kTwoColumnLabel2 : BodyColumn::kLabel, fields[i].first);
        page.AddBody(line,
                     right        ? kTwoColumnValue2
                     : twoColumns ? kTwoColumnValue
                                  : kSingleColumnValue,
                     fields[i].second);
    }
}

} // namespace

void PrintFeatureSection(PrintPage& page, Session& session, Notifier& notifier, PrintSection section) {
    const PrintSectionInfo& info = InfoOf(section);
    page.AddBody(0, BodyColumn::kTitle, notifier.Text(info.title));
    // Opened as the dialog opens and closed without OK: whatever opening rewrites is put back.
    const auto rules = OpenFeatureRules(info.name, session, notifier);
    if (!rules)
        return;
    std::vector<std::pair<std::string, std::string>> fields;
    for (const SettingField& field : rules->Fields())
        fields.emplace_back(notifier.Text(field.label) + field.labelSuffix, field.text);
    AddFieldLines(page, fields);
}

// Its own labels rather than the dialog's, and the values as the record has always shown them.
void PrintOrbicallSection(PrintPage& page, const Session& session, const LanguageTable& texts) {
    using Offset = OrbicallRules::Offset;
    using Limit = OrbicallRules::Limit;
    const RadioImage& image = session.image;
    page.AddBody(0, BodyColumn::kTitle, "Orbicall");
    const int fleet = image.Byte(Offset::kFleet);
    const int id = image.Word(Offset::kId);
    const int delay = image.Word(Offset::kDelay);
    const int baud = image.Byte(Offset::kBaud);
    const auto inRange = [](int value, int min, int max) { return value >= min && value <= max; };
    AddFieldLines(
        page, {
                  {"Fleet (Own)",
                   inRange(fleet, Limit::kFleetMin - Limit::kFleetBase, Limit::kFleetMax - Limit::kFleetBase)
                       ? std::to_string(fleet + Limit::kFleetBase)
                       : texts.GetText(kNone)},
                  {"ID (Own)", inRange(id, Limit::kIdMin - Limit::kIdBase, Limit::kIdMax - Limit::kIdBase)
                                   ? std::to_string(id + Limit::kIdBase)
                                   : texts.GetText(kNone)},
                  {"Data TX Modulation Delay Time[ms]",
                   std::to_string(delay <= Limit::kDelayMax ? delay : Limit::kDelayFallback)},
                  {"Orbicall Baud rate[bps]", baud == 0 || baud == 0xFF ? "1200" : "2400"},
              });
}

} // namespace rpx
