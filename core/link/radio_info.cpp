#include "core/link/radio_info.h"

#include <cctype>

#include "core/radio/model_variant.h"

namespace rpx {

namespace {

constexpr uint8_t kRequest[] = {'N', 'R', 'K'};
// Shown before the model number, which is the model string without its "M"s.
constexpr const char* kModelPrefix = "RZ-";

} // namespace

bool OnToolsRadioInfo(RadioLink& radio, RadioInformation& information) {
    LinkSession& link = radio.Link();
    if (!link.OpenRadioLink())
        return false;
    link.Sleep(link.Timing().openSettle);
    // A Retry starts again from programming mode.
    const LinkOutcome outcome = link.WithRetry([&] {
        link.Port().PurgeInput();
        if (!link.SendString("PROGRAM") || !link.WaitAck())
            return StepResult::NoReply;
        if (const StepResult identified = radio.Identify(); identified != StepResult::Done)
            return identified;
        information.modelCode.clear();
        const auto reply = link.Request(std::span<const uint8_t>(kRequest), link::kInformationReply);
        const auto parsed = reply ? ParseInformationReply(*reply) : std::nullopt;
        if (!parsed || !link.ExchangeAck())
            return StepResult::NoReply;
        information = *parsed;
        return StepResult::Done;
    });
    if (outcome == LinkOutcome::Done)
        link.LeaveAndClose();
    else
        link.Close();
    return outcome == LinkOutcome::Done;
}

RadioInfoFields DescribeRadioInfo(const RadioInformation& information, const LanguageTable& texts) {
    RadioInfoFields fields;
    const std::string model = information.modelCode.substr(0, 5);
    if (FindModelVariant(model) != nullptr) {
        std::string number;
        for (char c : model)
            if (c != 'M')
                number += c;
        fields.model = kModelPrefix + number;
        const uint8_t code =
            information.modelCode.size() > 5 ? static_cast<uint8_t>(information.modelCode[5]) : 0;
        const unsigned band = code >> 4;
        const unsigned version = code & 0x0F;
        const bool versionKnown = version == 0 || version == 1 || version == 3;
        const std::string versionName = versionKnown ? texts.GetText(version == 1   ? 3005017
                                                                     : version == 3 ? 3005019
                                                                                    : 3005021)
                                                     : "";
        const int series = SeriesOfBand(band);
        const std::string bandPart = series == 0
                                         ? ""
                                         : std::string(texts.GetText(series == 1 ? 3018003 : 3018001)) +
                                               " : " + texts.GetText(BandName(band, version));
        fields.bandAndVersion = bandPart + " " + versionName;
    }
    for (uint8_t c : information.text) {
        if (c == 0xFF)
            break;
        fields.text += (std::isdigit(c) || c == '-') ? static_cast<char>(c) : ' ';
    }
    return fields;
}

} // namespace rpx
