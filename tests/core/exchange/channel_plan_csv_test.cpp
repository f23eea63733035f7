#include <gtest/gtest.h>

#include <string>

#include "core/editor/channel_record.h"
#include "core/exchange/channel_plan_csv.h"
#include "core/radio/bcd_frequency.h"
#include "core/radio/image_layout.h"
#include "tests/support/golden_files.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

using test::GoldenSession;

// Takes from a channel everything the plan's columns carry, leaving the fields they do not carry.
void ClearPlanFields(RadioImage& image, int channel) {
    ChannelRecord record(image, channel);
    image.Fill(record.Offset(), ChannelRecord::kSignalling, 0xFF);
    image.SetByte(record.Offset() + ChannelRecord::kSteps, 0xFF);
    record.SetWide(true);
    record.SetScanAdd(true);
    record.SetHighPower(true);
}

std::string Records(const RadioImage& image) {
    std::string bytes;
    for (int channel = 1; channel <= 8; ++channel)
        for (std::size_t i = 0; i < 16; ++i)
            bytes += static_cast<char>(image.Byte(layout::ChannelRecordOffset(channel) + i));
    return bytes;
}

TEST(ChannelPlanCsv, EveryGoldenChannelComesBackByteForByte) {
    for (const char* model : {"MDL1A", "MDL1B", "MDL2A", "MDL2B"}) {
        Session session = GoldenSession(model);
        const RadioImage golden = session.image;
        const std::string csv = ChannelPlanToCsv(golden);
        for (int channel = 1; channel <= 8; ++channel)
            ClearPlanFields(session.image, channel);
        const Result<ChannelPlanReport> report = ImportChannelPlan(session, test::ShippedTexts(), csv);
        ASSERT_TRUE(report) << report.Message();
        EXPECT_TRUE(report->notes.empty()) << model << ": " << report->notes.front().text;
        EXPECT_EQ(Records(session.image), Records(golden)) << model << '\n' << csv;
    }
}

// Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode for each pair of decode
// (RX) and encode (TX) tones, and back.
TEST(ChannelPlanCsv, ToneModesMapBothWays) {
    struct Case {
        const char* decode;
        const char* encode;
        const char* columns;
    };
    const Case cases[] = {
        {"", "", ",88.5,88.5,023,NN,023,Tone->Tone"},
        {"", "100.0", "Tone,100.0,88.5,023,NN,023,Tone->Tone"},
        {"67.0", "67.0", "TSQL,88.5,67.0,023,NN,023,Tone->Tone"},
        {"D023N", "D023I", "DTCS,88.5,88.5,023,RN,023,Tone->Tone"},
        {"67.0", "100.0", "Cross,100.0,67.0,023,NN,023,Tone->Tone"},
        {"D754I", "100.0", "Cross,100.0,88.5,023,NR,754,Tone->DTCS"},
        {"67.0", "D023N", "Cross,88.5,67.0,023,NN,023,DTCS->Tone"},
        {"67.0", "", "Cross,88.5,67.0,023,NN,023,->Tone"},
        {"D754I", "", "Cross,88.5,88.5,023,NR,754,->DTCS"},
        {"", "D025I", "Cross,88.5,88.5,025,RN,023,DTCS->"},
        {"D754N", "D023N", "Cross,88.5,88.5,023,NN,754,DTCS->DTCS"},
    };
    for (const Case& c : cases) {
        Session session = GoldenSession("MDL1A");
        ChannelRecord record(session.image, 1);
        record.SetTone(Direction::Rx, ToneCode::FromItemText(c.decode));
        record.SetTone(Direction::Tx, ToneCode::FromItemText(c.encode));
        const RadioImage tones = session.image;
        const std::string csv = ChannelPlanToCsv(session.image);
        EXPECT_NE(csv.find("\r\n1,,140.012500,,0.000000," + std::string(c.columns) + ",FM,6.25,,High,\r\n"),
                  std::string::npos)
            << c.columns << '\n'
            << csv;
        record.SetTone(Direction::Rx, ToneCode(0x1234)); // 466.0 Hz, which the list lacks: must be replaced
        record.SetTone(Direction::Tx, ToneCode());
        ASSERT_TRUE(ImportChannelPlan(session, test::ShippedTexts(), csv));
        EXPECT_EQ(Records(session.image), Records(tones)) << c.columns;
    }
}

// Columns in another order with one more, quoted fields and CRLF; each row's fitted, warned or
// refused values reported against its Location, the rest stored, unlisted channels left alone.
TEST(ChannelPlanCsv, ImportReportsWhatTheRulesChangedOrRefused) {
    Session session = GoldenSession("MDL1A");
    const RadioImage golden = session.image;
    const std::string csv = "Frequency,URCALL,\"Location\",Duplex,Offset,Tone,rToneFreq,Mode,Power,Skip\r\n"
                            "140.012600,\"CQ,CQ\",1,,0,,88.5,NFM,Low,S\r\n"
                            "\r\n"
                            "10.000000,,2,+,100.6,Tone,69.4,FM,High,\r\n"
                            "145.5,,9,,,,,FM,High,\r\n"
                            "140.5,,3,split,abc,Cross,88.5,AM,Mid,X\r\n";
    const Result<ChannelPlanReport> report = ImportChannelPlan(session, test::ShippedTexts(), csv);
    ASSERT_TRUE(report) << report.Message();
    const RadioImage imported = session.image;
    // A refused value leaves the field as it was; what else the row gives is stored.
    EXPECT_EQ(ConstChannelRecord(imported, 2).Tone(Direction::Tx),
              ConstChannelRecord(golden, 2).Tone(Direction::Tx));
    EXPECT_EQ(bcd::FrequencyText(imported, ChannelRecord::kRxFrequency + layout::ChannelRecordOffset(3)),
              "140.50000");
    std::vector<std::string> lines;
    for (const ChannelPlanNote& note : report->notes)
        lines.push_back(note.location + (note.refused ? "! " : " ") + note.text);
    const std::string outOfBand = " The frequency is outside the band of this model. It was stored; please "
                                  "check that it is correct.";
    EXPECT_EQ(lines,
              (std::vector<std::string>{
                  "1 rx 140.012600 stored as 140.01250",
                  "1 tx 140.012600 stored as 140.01250",
                  "2 rx 10.000000 stored as 136.00000:" + outOfBand, // below any band: its lower edge
                  "2 tx 110.600000:" + outOfBand,
                  "2! encode 69.4 refused: not one of the radio's tones",
                  "9! location refused: not a channel of the radio (1 to 8)",
                  "3! tx abc refused: \"abc\" cannot be typed in a frequency field: it takes up to 9 "
                  "characters, digits and points.",
                  "3! crossmode refused: not one of: Tone->Tone, Tone->DTCS, DTCS->Tone, ->Tone, ->DTCS, "
                  "DTCS->, DTCS->DTCS",
                  "3! bandwidth AM refused: not one of: FM, NFM",
                  "3! power Mid refused: not one of: High, Low",
                  "3! scan X refused: not one of: S, P or nothing",
              }))
        << csv;
    EXPECT_TRUE(report->AnyRefused());

    ConstChannelRecord one(imported, 1);
    EXPECT_FALSE(one.Wide());
    EXPECT_FALSE(one.HighPower());
    EXPECT_FALSE(one.ScanAdd());
    EXPECT_TRUE(one.Tone(Direction::Tx).IsNone());
    EXPECT_EQ(Records(imported).substr(3 * 16), Records(golden).substr(3 * 16)); // channels 4..8

    session.image = golden;
    EXPECT_EQ(ImportChannelPlan(session, test::ShippedTexts(), "Location,Name\r\n1,x\r\n").Message(),
              "Not a channel plan: its first line has no Frequency column.");
    EXPECT_EQ(session.image, golden);
}

} // namespace
} // namespace rpx
