#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/app/result.h"
#include "core/app/session.h"
#include "core/radio/radio_image.h"
#include "core/text/language_table.h"

namespace rpx {

// The channels as a channel plan in the generic CSV layout other radio programs read and write:
// one row per programmed channel, Location = channel number, Frequency = RX in MHz, TX as Duplex and
// Offset, the two tones as Tone mode, Mode FM (wide) or NFM (narrow), Skip "S" outside the scan list,
// Power High or Low. Only what those columns can say is in it; the lossless form is ImageToText.
inline constexpr std::string_view kChannelPlanHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
    "CrossMode,Mode,TStep,Skip,Power,Comment";

std::string ChannelPlanToCsv(const RadioImage& image);

// One line of what an import did with a row: a value the channel's rules stored differently, a value
// they refused (with why), or a message they would have shown.
struct ChannelPlanNote {
    std::string location; // the row's Location as the plan gives it
    std::string text;
    bool refused = false;
};

struct ChannelPlanReport {
    std::vector<ChannelPlanNote> notes;
    bool AnyRefused() const;
};

// Applies each row of a plan to channel Location as the channel detail dialog stores typed values
// and choices (raster fit, band limits, tone rules), the whole plan as one edit of the image.
// Columns are found by name in the first line, in any order; Location and Frequency are needed,
// columns the radio has no field for are ignored, and a field whose column is missing stays as it
// is, as do the channels the plan does not list. A Failure (nothing changed) when the first line is
// not such a header.
Result<ChannelPlanReport> ImportChannelPlan(Session& session, const LanguageTable& texts,
                                            std::string_view csv);

} // namespace rpx
