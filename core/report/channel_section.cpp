#include "core/editor/channel_detail_rules.h"
#include "core/editor/channel_flags.h"
#include "core/report/section_printers.h"

namespace rpx {

namespace {

constexpr TextId kTitle = 3008007;
constexpr TextId kChannelList = 3018011;
constexpr TextId kChannel = 3018013;
constexpr TextId kNotProgrammed = 3018015;
constexpr TextId kGroups[] = {1001075, 1001077};
constexpr TextId kRx = 1001065, kTx = 1001067, kFrequency = 1001049;
constexpr TextId kTone = 3013025, kDecode = 3010049, kEncode = 3010047;
constexpr TextId kPower = 3016001, kScan = 3016005, kUnmute = 3013001, kLockout = 3013003;
constexpr TextId kPttId = 3013007, kBeatShift = 3013013, kScramblerCode = 3017057, kScrambler = 3017059;
constexpr TextId kOn = 1001037, kOff = 1001039;
constexpr int kChannelsPerPage = 4;
constexpr int kFirstChannelLine = 2;
constexpr int kLinesPerChannel = 8;

} // namespace

void PrintChannelSection(PrintPage& page, Session& session, Notifier& notifier, int part) {
    auto text = [&notifier](TextId id) { return notifier.Text(id); };
    auto joined = [&text](TextId a, TextId b) { return text(a) + " " + text(b); };
    auto onOff = [&text](bool on) { return text(on ? kOn : kOff); };

    page.AddBody(0, BodyColumn::kTitle, text(kTitle));
    std::string heading = text(kChannelList);
    if (ChannelGridEditor(session, notifier).IsGroup2Enabled())
        heading += " - " + text(kGroups[part]);
    page.AddBody(0, BodyColumn::kValue, heading);

    for (int index = 0; index < kChannelsPerPage; ++index) {
        const int channel = part * kChannelsPerPage + index + 1;
        const int top = kFirstChannelLine + index * kLinesPerChannel;
        page.AddBody(top, BodyColumn::kLabel, text(kChannel) + " " + std::to_string(index + 1));
        const ChannelDetailRules rules(session, notifier, channel);
        if (!ConstChannelRecord(session.image, channel).IsProgrammed()) {
            page.AddBody(top, BodyColumn::kValue, text(kNotProgrammed));
            continue;
        }
        const struct {
            std::string label;
            std::string value;
        } fields[] = {
            {joined(kRx, kFrequency), rules.FrequencyText(Direction::Rx)},
            {joined(kTx, kFrequency), rules.FrequencyText(Direction::Tx)},
            {joined(kTone, kDecode), rules.ListText(DetailList::Decode)},
            {joined(kTone, kEncode), rules.ListText(DetailList::Encode)},
            {text(kPower), text(FlagText(session.image, channel, ChannelFlag::Power))},
            {text(kScan), text(FlagText(session.image, channel, ChannelFlag::Scan))},
            {text(kUnmute), rules.ListText(DetailList::Unmute)},
            {text(kLockout), rules.ListText(DetailList::Lockout)},
            {text(kPttId), rules.ListText(DetailList::PttId)},
            {text(kBeatShift), onOff(rules.IsBoxChecked(DetailBox::BeatShift))},
            {text(kScramblerCode), rules.ListText(DetailList::ScramblerCode)},
            {text(kScrambler), onOff(rules.IsBoxChecked(DetailBox::VoiceScrambler))},
        };
        // Two label/value pairs a line: receive beside transmit, and so on.
        for (std::size_t field = 0; field < std::size(fields); ++field) {
            const int line = top + 1 + static_cast<int>(field / 2);
            const bool right = field % 2 == 1;
            page.AddBody(line, right ? BodyColumn::kLabel2 : BodyColumn::kLabel, fields[field].label);
            page.AddBody(line, right ? BodyColumn::kValue2 : BodyColumn::kValue, fields[field].value);
        }
    }
}

} // namespace rpx
