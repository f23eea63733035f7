#include "core/link/radio_info.h"

#include <cctype>

#include "core/radio/model_variant.h"

namespace rpx {

namespace {

constexpr std::size_t kInfoReply = 25;
constexpr uint8_t kInfoStart = 0x4E; // "N"
// Shown before the model number, which is the model string without its "M"s.
constexpr const char* kModelPrefix = "RZ-";

bool ReadRadioInfo(RadioLink& link, RadioInformation& information) {
    information.modelCode.clear();
    link.Port().PurgeInput();
    link.Port().WriteString("NRK");
    link.WaitForBytes(kInfoReply);
    if (!link.ReplyReady()) {
        link.ReportCommError();
        return false;
    }
    link.ReadReply(kInfoReply);
    const auto reply = link.Reply();
    if (reply[0] != kInfoStart) {
        link.ReportCommError();
        return false;
    }
    std::copy_n(reply.begin() + 1, information.text.size(), information.text.begin());
    information.modelCode.assign(reply.begin() + 17, reply.begin() + 25);
    link.ExchangeAck();
    return link.ReplyReady();
}

} // namespace

bool OnToolsRadioInfo(RadioLink& link, RadioInformation& information) {
    link.OpenRadioLink();
    link.Sleep(link.Timing().openSettle);
    if (link.PortFailed())
        return false;
    for (;;) {
        link.SetRetryRequested(false);
        link.EnterProgramMode();
        if (link.ReplyReady()) {
            link.SetRetryRequested(false);
            link.ReadIdentification();
            if (link.ReplyReady() && !link.RadioRefused() && ReadRadioInfo(link, information)) {
                link.LeaveAndClose();
                return true;
            }
        }
        if (!link.RetryRequested()) {
            link.Port().SetOpen(false);
            return false;
        }
    }
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
        const uint8_t code = information.modelCode.size() > 5 ? static_cast<uint8_t>(information.modelCode[5]) : 0;
        const unsigned band = code >> 4;
        const unsigned version = code & 0x0F;
        const bool versionKnown = version == 0 || version == 1 || version == 3;
        const std::string versionName = versionKnown ? texts.GetText(version == 1   ? 3005017
                                                                     : version == 3 ? 3005019
                                                                                    : 3005021)
                                                     : "";
        const int series = SeriesOfBand(band);
        const std::string bandPart =
            series == 0 ? ""
                        : std::string(texts.GetText(series == 1 ? 3018003 : 3018001)) + " : " +
                              texts.GetText(BandName(band, version));
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
