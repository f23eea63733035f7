#include "core/exchange/channel_plan_csv.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>

#include "core/editor/cell_key_filters.h"
#include "core/editor/channel_detail_rules.h"
#include "core/editor/channel_record.h"
#include "core/editor/tone_code.h"
#include "core/exchange/channel_fields.h"
#include "core/radio/bcd_frequency.h"
#include "core/radio/image_layout.h"
#include "core/radio/scoped_image_edit.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr uint64_t kHzPerUnit = 10;
constexpr uint64_t kHzPerMhz = 1000000;
// A TX this far from RX lies on another band: the plan gives it as "split", Offset holding the TX.
constexpr uint64_t kSplitFromHz = 70 * kHzPerMhz;

// The values CSV readers take when a tone column is not used by the row's Tone mode.
constexpr const char* kDefaultCtcss = "88.5";
constexpr const char* kDefaultDcs = "023";

enum class ToneKind { None, Ctcss, Dcs };
constexpr const char* kCrossNames[] = {"", "Tone", "DTCS"}; // by ToneKind

ToneKind KindOf(ToneCode tone) {
    return tone.IsNone() ? ToneKind::None : tone.IsDcs() ? ToneKind::Dcs : ToneKind::Ctcss;
}

std::string Mhz(uint64_t hz) {
    char text[32];
    std::snprintf(text, sizeof text, "%llu.%06llu", static_cast<unsigned long long>(hz / kHzPerMhz),
                  static_cast<unsigned long long>(hz % kHzPerMhz));
    return text;
}

// Hz of a text in MHz: digits with at most one point.
std::optional<uint64_t> ParseMhz(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    std::string fraction(point == std::string_view::npos ? "" : text.substr(point + 1));
    const auto digitsOnly = [](std::string_view digits) {
        return std::ranges::all_of(digits, [](unsigned char c) { return std::isdigit(c) != 0; });
    };
    if (whole.empty() || whole.size() > 6 || !digitsOnly(whole) || !digitsOnly(fraction))
        return std::nullopt;
    if (fraction.size() > 6 && fraction.find_first_not_of('0', 6) != std::string::npos)
        return std::nullopt; // finer than a hertz
    fraction.resize(6, '0');
    return std::stoull(std::string(whole)) * kHzPerMhz + std::stoull(fraction.substr(0, 6));
}

// The nine characters a frequency cell takes, "146.52250"; beyond 10 Hz is dropped.
std::string CellText(uint64_t hz) {
    const uint64_t units = std::min<uint64_t>(hz / kHzPerUnit, bcd::kMaxUnits);
    char text[16];
    std::snprintf(text, sizeof text, "%03llu.%05llu", static_cast<unsigned long long>(units / 100000),
                  static_cast<unsigned long long>(units % 100000));
    return text;
}

std::string DcsDigits(ToneCode tone) {
    char text[8];
    std::snprintf(text, sizeof text, "%03o", tone.DcsCode());
    return text;
}

std::string StepText(StepCode step) {
    switch (step) {
    case StepCode::Step2k5:
        return "2.50";
    case StepCode::Step6k25:
        return "6.25";
    case StepCode::Step7k5:
        return "7.50";
    default:
        return "5.00";
    }
}

// Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode of a channel's decode
// (rx) and encode (tx) tones; a column the Tone mode does not use keeps its default.
std::string ToneColumns(ToneCode rx, ToneCode tx) {
    const ToneKind r = KindOf(rx);
    const ToneKind t = KindOf(tx);
    std::string mode = "Cross";
    if (r == ToneKind::None && t == ToneKind::None)
        mode.clear();
    else if (r == ToneKind::None && t == ToneKind::Ctcss)
        mode = "Tone";
    else if (r == ToneKind::Ctcss && rx == tx)
        mode = "TSQL";
    else if (r == ToneKind::Dcs && t == ToneKind::Dcs && rx.DcsCode() == tx.DcsCode())
        mode = "DTCS";
    const bool cross = mode == "Cross";
    const bool dcs = mode == "DTCS" || cross;
    const std::string rTone = (mode == "Tone" || cross) && t == ToneKind::Ctcss ? tx.Text() : kDefaultCtcss;
    const std::string cTone = (mode == "TSQL" || cross) && r == ToneKind::Ctcss ? rx.Text() : kDefaultCtcss;
    const std::string code = dcs && t == ToneKind::Dcs ? DcsDigits(tx) : kDefaultDcs;
    const std::string rxCode = cross && r == ToneKind::Dcs ? DcsDigits(rx) : kDefaultDcs;
    const std::string polarity = {tx.IsInverted() ? 'R' : 'N', rx.IsInverted() ? 'R' : 'N'};
    const std::string crossMode =
        cross ? std::string(kCrossNames[int(t)]) + "->" + kCrossNames[int(r)] : "Tone->Tone";
    return mode + ',' + rTone + ',' + cTone + ',' + code + ',' + polarity + ',' + rxCode + ',' + crossMode;
}

std::string CsvRow(const RadioImage& image, int channel) {
    const ConstChannelRecord record(image, channel);
    const uint64_t rx = bcd::ReadFrequency(image, record.FrequencyOffset(Direction::Rx)) * kHzPerUnit;
    std::string duplex = "off";
    uint64_t offset = 0;
    if (record.HasFrequency(Direction::Tx)) {
        const uint64_t tx = bcd::ReadFrequency(image, record.FrequencyOffset(Direction::Tx)) * kHzPerUnit;
        const uint64_t apart = tx > rx ? tx - rx : rx - tx;
        duplex = apart == 0 ? "" : apart >= kSplitFromHz ? "split" : tx > rx ? "+" : "-";
        offset = duplex == "split" ? tx : apart;
    }
    return std::to_string(channel) + ",," + Mhz(rx) + ',' + duplex + ',' + Mhz(offset) + ',' +
           ToneColumns(record.Tone(Direction::Rx), record.Tone(Direction::Tx)) + ',' +
           (record.Wide() ? "FM" : "NFM") + ',' + StepText(record.Step(Direction::Rx)) + ',' +
           (record.ScanAdd() ? "" : "S") + ',' + (record.HighPower() ? "High" : "Low") + ",\r\n";
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos
               ? ""
               : std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string Lower(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The records of a CSV text: quoted fields (with "" for a quote) may hold commas and line breaks,
// lines end in LF or CRLF, blank lines are skipped.
std::vector<std::vector<std::string>> CsvRecords(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) // the byte-order mark spreadsheets put first
        text.remove_prefix(3);
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;
    const auto endRecord = [&] {
        record.push_back(Trimmed(field));
        field.clear();
        if (record.size() > 1 || !record[0].empty())
            records.push_back(std::move(record));
        record.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"')
            field += text[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (quoted)
            field += c;
        else if (c == ',') {
            record.push_back(Trimmed(field));
            field.clear();
        } else if (c == '\n')
            endRecord();
        else if (c != '\r')
            field += c;
    }
    endRecord();
    return records;
}

// Collects the messages the channel rules show, so that an import reports them instead of stopping
// at a message box per row.
class MessageCollector : public Messenger {
public:
    MessageAnswer Show(const Message& message) override {
        shown.push_back(message.text);
        return MessageAnswer::Ok;
    }
    std::vector<std::string> shown;
};

// The tone a plan names as a tone list item ("88.5", "D023N"), or the text as given when it names
// none; empty for no tone.
std::string CtcssItem(const std::string& hz) {
    const std::optional<uint64_t> value = ParseMhz(hz); // read as MHz, it is in micro-units
    if (!value || *value % 100000 != 0)
        return hz.empty() ? "?" : hz;
    return ToneCode::Ctcss(static_cast<unsigned>(*value / 100000)).Text();
}

std::string DcsItem(const std::string& code, char polarity) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(code.data(), code.data() + code.size(), value, 8);
    if (code.empty() || code.size() > 3 || error != std::errc() || end != code.data() + code.size())
        return "D" + code;
    return ToneCode::Dcs(value, polarity == 'R').Text();
}

// One row of a plan applied to its channel.
class PlanRow {
public:
    PlanRow(const std::vector<std::string>& header, const std::vector<std::string>& fields,
            Notifier& notifier, MessageCollector& messages, std::vector<ChannelPlanNote>& notes)
        : m_header(header), m_fields(fields), m_notifier(notifier), m_messages(messages), m_notes(notes),
          m_location(Field("location")) {}

    void Apply(Session& session) {
        int channel = 0;
        const auto [end, error] =
            std::from_chars(m_location.data(), m_location.data() + m_location.size(), channel);
        if (error != std::errc() || end != m_location.data() + m_location.size() ||
            !ChannelRecord::IsChannel(channel))
            return Refuse("location", m_notifier.Text(txt::kPlanNotAChannel));
        ChannelDetailRules rules(session, m_notifier, channel);
        if (!rules.Opens())
            return Refuse("location", m_notifier.Text(txt::kPlanRowNotEditable));
        rules.Open();
        if (ApplyFrequencies(rules)) {
            ApplyTones(rules);
            ApplyChoices(rules);
        }
        rules.Ok();
        NoteMessages("");
    }

private:
    // The field of a column by its lower-case name; empty when the row or the header lacks it.
    std::string Field(std::string_view column) const {
        const auto it = std::ranges::find(m_header, column);
        const auto index = static_cast<std::size_t>(it - m_header.begin());
        return index < m_fields.size() ? m_fields[index] : std::string();
    }
    bool Has(std::string_view column) const { return std::ranges::find(m_header, column) != m_header.end(); }

    // "rx 146.520000": a field and the value the plan gives it.
    static std::string What(std::string_view key, const std::string& value) {
        return std::string(key) + (value.empty() ? "" : " " + value);
    }
    void Refuse(const std::string& what, const std::string& why) {
        m_notes.push_back({m_location, m_notifier.Filled(txt::kPlanValueRefused, what, why), true});
    }
    void Changed(const std::string& what, const std::string& stored) {
        m_notes.push_back({m_location, m_notifier.Filled(txt::kPlanValueChanged, what, stored), false});
    }
    // The messages the rules showed since the last call, one line each, after what they are about;
    // what alone when they showed none and it is worth a line of its own.
    void NoteMessages(const std::string& what, bool alone = false) {
        if (alone && m_messages.shown.empty())
            m_notes.push_back({m_location, what, false});
        for (std::string text : m_messages.shown) {
            std::ranges::replace(text, '\n', ' ');
            m_notes.push_back({m_location, what.empty() ? text : what + ": " + text, false});
        }
        m_messages.shown.clear();
    }
    // Stores a value through the dialog's rules; false, with the reason noted, when they refuse it.
    // The caller notes the messages the rules showed.
    bool Set(ChannelDetailRules& rules, const char* key, const std::string& value, const std::string& what) {
        const Status set = SetChannelField(rules, *FindChannelFieldKey(key), value);
        if (!set)
            Refuse(what, set.Message());
        return set.Ok();
    }
    // A frequency in Hz stored through its cell; a fitted or limited value is noted, on one line with
    // the warning the rules gave for it.
    bool SetFrequency(ChannelDetailRules& rules, Direction direction, uint64_t hz) {
        const char* key = direction == Direction::Rx ? "rx" : "tx";
        const std::string what = What(key, Mhz(hz));
        const bool stored = Set(rules, key, CellText(hz), what);
        const bool changed = stored && ParseMhz(rules.FrequencyText(direction)) != hz;
        NoteMessages(changed ? m_notifier.Filled(txt::kPlanValueChanged, what, rules.FrequencyText(direction))
                             : what,
                     changed);
        return stored;
    }
    std::optional<uint64_t> Frequency(const char* column, const char* key) {
        const std::string text = Field(column);
        const std::optional<uint64_t> hz = ParseMhz(text);
        if (!hz)
            Refuse(What(key, text),
                   m_notifier.Filled(txt::kNotAFrequencyText, text, std::to_string(kFrequencyCellLimit)));
        return hz;
    }

    // RX, then TX from Duplex and Offset; false when RX could not be stored, so the row ends there.
    bool ApplyFrequencies(ChannelDetailRules& rules) {
        const std::optional<uint64_t> rx = Frequency("frequency", "rx");
        if (!rx || !SetFrequency(rules, Direction::Rx, *rx))
            return false;
        if (!Has("duplex"))
            return true;
        const std::string duplex = Lower(Field("duplex"));
        if (duplex == "off") {
            Set(rules, "tx", "", What("tx", "off"));
            NoteMessages(What("tx", "off"));
        } else if (duplex != "" && duplex != "+" && duplex != "-" && duplex != "split") {
            Refuse(What("duplex", Field("duplex")),
                   m_notifier.Filled(txt::kPlanNotOneOf, "+, -, split, off", ""));
        } else if (const std::optional<uint64_t> offset = duplex.empty() ? 0 : Frequency("offset", "tx")) {
            SetFrequency(rules, Direction::Tx,
                         duplex == "split" ? *offset
                         : duplex == "+"   ? *rx + *offset
                         : duplex == "-"   ? *rx - std::min(*rx, *offset)
                                           : *rx);
        }
        return true;
    }

    // The decode and encode items the Tone columns name; false for a Tone mode or CrossMode not known.
    bool PlanTones(std::string& decode, std::string& encode) {
        const std::string mode = Lower(Field("tone"));
        const std::string polarity = Field("dtcspolarity") + "NN";
        const std::string rTone = CtcssItem(Field("rtonefreq"));
        const std::string cTone = CtcssItem(Field("ctonefreq"));
        const std::string txCode = DcsItem(Field("dtcscode"), polarity[0]);
        const std::string rxCode = DcsItem(Field("rxdtcscode"), polarity[1]);
        if (mode.empty() || mode == "tone" || mode == "tsql" || mode == "dtcs") {
            encode = mode == "tone" ? rTone : mode == "tsql" ? cTone : mode == "dtcs" ? txCode : "";
            decode = mode == "tsql" ? cTone : mode == "dtcs" ? DcsItem(Field("dtcscode"), polarity[1]) : "";
            return true;
        }
        if (mode != "cross") {
            Refuse(What("tone", Field("tone")),
                   m_notifier.Filled(txt::kPlanNotOneOf, "Tone, TSQL, DTCS, Cross", ""));
            return false;
        }
        const std::string crossMode = Field("crossmode");
        const std::size_t arrow = crossMode.find("->");
        const std::string tx = crossMode.substr(0, arrow);
        const std::string rx = arrow == std::string::npos ? "?" : crossMode.substr(arrow + 2);
        const auto item = [](const std::string& kind, const std::string& ctcss, const std::string& dcs) {
            return kind == "Tone"   ? std::optional(ctcss)
                   : kind == "DTCS" ? std::optional(dcs)
                   : kind.empty()   ? std::optional(std::string())
                                    : std::nullopt;
        };
        const std::optional<std::string> encodeItem = item(tx, rTone, txCode);
        const std::optional<std::string> decodeItem = item(rx, cTone, rxCode);
        if (!encodeItem || !decodeItem || (tx.empty() && rx.empty())) {
            Refuse(What("crossmode", crossMode),
                   m_notifier.Filled(txt::kPlanNotOneOf,
                                     "Tone->Tone, Tone->DTCS, DTCS->Tone, ->Tone, ->DTCS, DTCS->, DTCS->DTCS",
                                     ""));
            return false;
        }
        encode = *encodeItem;
        decode = *decodeItem;
        return true;
    }

    void ApplyTone(ChannelDetailRules& rules, DetailList list, const std::string& item) {
        const char* key = list == DetailList::Decode ? "decode" : "encode";
        const std::string what = What(key, item.empty() ? m_notifier.Text(txt::kOff) : item);
        if (item.empty() && !rules.IsListEnabled(list))
            return; // no tone, and no cell to hold one (a channel without TX has no encode tone)
        const std::vector<std::string> tones = rules.ListItems(list);
        if (!item.empty() && std::ranges::find(tones, item) == tones.end())
            return Refuse(what, m_notifier.Text(txt::kPlanNotATone));
        if (Set(rules, key, item.empty() ? "#0" : item, what) && !item.empty() &&
            rules.ListText(list) != item)
            Changed(what, rules.ListText(list));
    }

    void ApplyTones(ChannelDetailRules& rules) {
        std::string decode;
        std::string encode;
        if (!Has("tone") || !PlanTones(decode, encode))
            return;
        ApplyTone(rules, DetailList::Decode, decode);
        ApplyTone(rules, DetailList::Encode, encode);
    }

    // What a value of a choice column stores in its field (a list item or a box).
    struct Choice {
        const char* value;
        const char* stored;
    };
    void ApplyChoice(ChannelDetailRules& rules, const char* column, const char* key,
                     std::initializer_list<Choice> choices, const char* valueTexts) {
        if (!Has(column))
            return;
        const std::string given = Lower(Field(column));
        const auto it =
            std::ranges::find_if(choices, [&](const Choice& choice) { return Lower(choice.value) == given; });
        const std::string what = What(key, Field(column));
        if (it == choices.end())
            Refuse(what, m_notifier.Filled(txt::kPlanNotOneOf, valueTexts, ""));
        else
            Set(rules, key, it->stored, what);
    }

    void ApplyChoices(ChannelDetailRules& rules) {
        ApplyChoice(rules, "mode", "bandwidth", {{"NFM", "#0"}, {"FM", "#1"}}, "FM, NFM");
        ApplyChoice(rules, "power", "power", {{"Low", "0"}, {"High", "1"}}, "High, Low");
        // "P" (a priority channel elsewhere) is in the scan list here.
        ApplyChoice(rules, "skip", "scan", {{"S", "0"}, {"", "1"}, {"P", "1"}}, "S, P or nothing");
    }

    const std::vector<std::string>& m_header;
    const std::vector<std::string>& m_fields;
    Notifier& m_notifier;
    MessageCollector& m_messages;
    std::vector<ChannelPlanNote>& m_notes;
    std::string m_location;
};

} // namespace

std::string ChannelPlanToCsv(const RadioImage& image) {
    std::string csv = std::string(kChannelPlanHeader) + "\r\n";
    for (int channel = 1; channel <= int(layout::kChannelCount); ++channel)
        if (ConstChannelRecord(image, channel).IsProgrammed())
            csv += CsvRow(image, channel);
    return csv;
}

bool ChannelPlanReport::AnyRefused() const {
    return std::ranges::any_of(notes, &ChannelPlanNote::refused);
}

Result<ChannelPlanReport> ImportChannelPlan(Session& session, const LanguageTable& texts,
                                            std::string_view csv) {
    MessageCollector messages;
    Notifier notifier(messages, texts);
    std::vector<std::vector<std::string>> records = CsvRecords(csv);
    std::vector<std::string> header = records.empty() ? std::vector<std::string>() : records.front();
    std::ranges::transform(header, header.begin(), Lower);
    for (const char* needed : {"Location", "Frequency"})
        if (std::ranges::find(header, Lower(needed)) == header.end())
            return Failure{notifier.Filled(txt::kPlanNoColumn, needed, "")};
    ChannelPlanReport report;
    ScopedImageEdit edit(session.image, session.snapshot, ScopedImageEdit::Scope::Sheet);
    for (auto row = records.begin() + 1; row != records.end(); ++row)
        PlanRow(header, *row, notifier, messages, report.notes).Apply(session);
    edit.Commit();
    return report;
}

} // namespace rpx
