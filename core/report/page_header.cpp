#include <ctime>
#include <filesystem>

#include "core/radio/model_variant.h"
#include "core/report/section_printers.h"

namespace rpx {

namespace {

constexpr TextId kTitle = 3018023;
constexpr TextId kModelLabel = 3005023;
constexpr TextId kBandLabel = 3005025;
constexpr TextId kTypeLabel = 3005027;
constexpr TextId kFileLabel = 3018005;
constexpr TextId kVhf = 3018003;
constexpr TextId kUhf = 3018001;
constexpr int kLabelColumn = 15;
constexpr int kValueColumn = 35;
// Below the date line, with a small gap so the line does not touch the letters.
constexpr PrintRule kUpperRule = {3, 30};
constexpr PrintRule kLowerRule = {8, 0};

std::string Formatted(const std::tm& when, const char* format) {
    char text[64] = {};
    return std::string(text, std::strftime(text, sizeof text, format, &when));
}

std::string BandText(const RadioImage& image, const LanguageTable& texts) {
    const unsigned band = image.BandCode();
    if (band < 1 || band > 5)
        return {};
    return std::string(texts.GetText(BandName(band, image.VersionCode()))) + " (" +
           texts.GetText(band <= 2 ? kVhf : kUhf) + ")";
}

TextId TypeText(unsigned versionCode) {
    switch (versionCode) {
    case 0:
        return 3005021;
    case 1:
        return 3005017;
    case 3:
        return 3005019;
    default:
        return 0;
    }
}

} // namespace

JobClock FormatJobClock(const std::tm& when) {
    return {Formatted(when, "%m /%d/%Y "), Formatted(when, "%H:%M  ")};
}

void PrintPageHeader(PrintPage& page, const Session& session, const LanguageTable& texts,
                     const JobClock& clock) {
    const RadioImage& image = session.image;
    page.Add(PrintFont::Header, 0, 0, texts.GetText(kTitle), PrintAlign::Centre);
    page.Add(PrintFont::Header, 2, 0, clock.date + clock.time, PrintAlign::Right);
    page.rules.push_back(kUpperRule);

    const ModelVariant* model = FindModelVariant(image.ModelString());
    const std::string file = session.currentFilePath.empty()
                                 ? session.titleFilePart
                                 : std::filesystem::path(session.currentFilePath).filename().string();
    const struct {
        TextId label;
        std::string value;
    } lines[] = {
        {kModelLabel, model ? texts.GetText(model->displayName) : ""},
        {kBandLabel, BandText(image, texts)},
        {kTypeLabel, TypeText(image.VersionCode()) ? texts.GetText(TypeText(image.VersionCode())) : ""},
        {kFileLabel, file},
    };
    int line = 4;
    for (const auto& [label, value] : lines) {
        page.Add(PrintFont::Header, line, kLabelColumn, texts.GetText(label));
        if (!value.empty())
            page.Add(PrintFont::Header, line, kValueColumn, value);
        ++line;
    }
    page.rules.push_back(kLowerRule);
}

} // namespace rpx
