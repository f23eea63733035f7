#include "core/editor/channel_table.h"

#include "core/editor/channel_record.h"

namespace rpx {

int LastRowOfGroup(int row) {
    return row <= kRowsPerGroup ? kRowsPerGroup : 2 * kRowsPerGroup;
}

void EraseRxFrequency(RadioImage& image, int channel) {
    EraseRxFrequency(image, RecordAt{ChannelRecord(image, channel).Offset()});
}

void EraseRxFrequency(RadioImage& image, RecordAt at) {
    ChannelRecord record(image, at);
    image.Fill(record.Offset(), ChannelRecord::kSignalling, 0xFF);
    image.SetByte(record.Offset() + ChannelRecord::kSignalling, 0x02);
    record.SetScanAdd(true);
    record.SetHighPower(true);
    record.SetPttId(0);
    image.SetByte(record.Offset() + ChannelRecord::kSteps, 0xFF);
}

void ClearChannel(RadioImage& image, int channel) {
    EraseRxFrequency(image, channel);
    image.SetByte(ChannelRecord(image, channel).Offset() + ChannelRecord::kScrambler, 0x00);
}

void EraseTxFrequency(RadioImage& image, int channel) {
    EraseTxFrequency(image, RecordAt{ChannelRecord(image, channel).Offset()});
}

void EraseTxFrequency(RadioImage& image, RecordAt at) {
    ChannelRecord record(image, at);
    image.Fill(record.FrequencyOffset(Direction::Tx), 4, 0xFF);
    record.SetTone(Direction::Tx, ToneCode());
    record.SetStep(Direction::Tx, StepCode::None);
}

void CopyRecord(RadioImage& image, int from, int to) {
    const std::size_t source = ConstChannelRecord(image, from).Offset();
    const std::size_t target = ChannelRecord(image, to).Offset();
    for (std::size_t i = 0; i < layout::kRecordSize; ++i)
        image.SetByte(target + i, image.Byte(source + i));
}

} // namespace rpx
