#include <gtest/gtest.h>

#include <algorithm>

#include "core/editor/channel_record.h"
#include "core/features/feature_rules.h"
#include "core/radio/document.h"
#include "core/radio/image_defaults.h"
#include "core/report/print_pipeline.h"
#include "core/report/print_selection_rules.h"
#include "core/report/section_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

class PrintPipelineTest : public ::testing::Test {
protected:
    PrintPipelineTest() {
        session.image.SetModelString("MDL2B");
        session.image.SetRangeCode(0x31);
        ApplyNewImageDefaults(session.image);
    }
    PrintSelection Sections(std::initializer_list<PrintSection> sections) {
        PrintSelection selection;
        for (PrintSection section : sections)
            Select(selection, section);
        return selection;
    }
    std::vector<std::string> BodyLine(const PrintPage& page, int line) const {
        std::vector<PrintText> texts;
        std::ranges::copy_if(page.texts, std::back_inserter(texts), [line](const PrintText& t) {
            return t.font == PrintFont::Body && t.line == line;
        });
        std::ranges::sort(texts, {}, &PrintText::column);
        std::vector<std::string> words;
        for (const PrintText& text : texts)
            words.push_back(text.text);
        return words;
    }
    std::string Text(TextId id) const { return test::ShippedText(id); }

    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::ShippedTexts()};
    TestModeState testMode;
    PrintPipeline pipeline{session, notifier, testMode};
};

TEST_F(PrintPipelineTest, PagesAreNumberedInTableOrderCountingOnlySelectedSections) {
    const struct {
        PrintSelection selection;
        uint8_t key;
        int pages;
        int channelPage;
        int scanPage;
    } cases[] = {
        {Sections({PrintSection::Scan}), 0xFF, 1, 0, 1},
        {Sections({PrintSection::Channel, PrintSection::Scan}), 0xFF, 2, 1, 2},
        {Sections({PrintSection::Channel, PrintSection::Scan}), 11, 3, 1, 3},
        {Sections({PrintSection::Scan, PrintSection::SmarTrunkChannel, PrintSection::Extended}), 11, 4, 0, 1},
    };
    for (const auto& c : cases) {
        session.image.SetByte(layout::kProgrammableKey2, c.key);
        pipeline.RequestFromDialog(c.selection);
        EXPECT_EQ(pipeline.OnPreparePrinting(), c.pages) << c.selection;
        EXPECT_EQ(pipeline.PageOf(PrintSection::Channel), c.channelPage) << c.selection;
        EXPECT_EQ(pipeline.PageOf(PrintSection::Scan), c.scanPage) << c.selection;
        pipeline.OnEndPrinting();
    }
}

TEST_F(PrintPipelineTest, JobWithoutDialogIsOneTuningPageAndEndingForgetsTheDialog) {
    pipeline.RequestFromDialog(Sections({PrintSection::Scan}));
    ASSERT_EQ(pipeline.OnPreparePrinting(), 1);
    EXPECT_EQ(BodyLine(pipeline.OnPrint(1), 0), std::vector<std::string>{Text(3007005)});
    pipeline.OnEndPrinting();
    EXPECT_TRUE(pipeline.JobEnded());

    testMode.readAdjustments[22] = 131; // the frequency item's one value
    EXPECT_EQ(pipeline.OnPreparePrinting(), 1);
    const PrintPage page = pipeline.OnPrint(1);
    EXPECT_EQ(BodyLine(page, 0), std::vector<std::string>{Text(3012049)});
    EXPECT_EQ(BodyLine(page, 2), (std::vector<std::string>{Text(3012013), Text(3012047), "131"}));
}

TEST_F(PrintPipelineTest, JobDateHasASpaceBeforeTheFirstSlashAndTimeIsTwentyFourHour) {
    std::tm when{};
    when.tm_year = 2024 - 1900;
    when.tm_mon = 2;
    when.tm_mday = 7;
    when.tm_hour = 14;
    when.tm_min = 5;
    pipeline.OnBeginPrinting(when);
    EXPECT_EQ(pipeline.Clock().date, "03 /07/2024 ");
    EXPECT_EQ(pipeline.Clock().time, "14:05  ");
    const PrintPage page = pipeline.OnPrint(1);
    EXPECT_NE(std::ranges::find(page.texts, "03 /07/2024 14:05  ", &PrintText::text), page.texts.end());
}

// Every field of every feature dialog prints beside the label its dialog gives it (a table's field
// beside its column's heading and row number), never beside its command-line key.
TEST_F(PrintPipelineTest, FeatureSectionsPrintTheDialogsLabels) {
    ASSERT_TRUE(Document(session, notifier).FileOpen(RPX_SOURCE_DIR "/tests/data/MDL2B.dat"));
    session.extendedMode = true;
    const auto printed = [](const PrintPage& page, const std::string& text) {
        return std::ranges::find(page.texts, text, &PrintText::text) != page.texts.end();
    };
    for (const std::string& name : FeatureRulesNames(true)) {
        const PrintSectionInfo* info = FindPrintSection(name);
        ASSERT_NE(info, nullptr) << name;
        PrintPage page;
        PrintFeatureSection(page, session, notifier, info->section);
        for (const SettingField& field : OpenFeatureRules(name, session, notifier)->Fields()) {
            EXPECT_NE(Text(field.label), "") << name << ' ' << field.key;
            EXPECT_TRUE(printed(page, Text(field.label) + field.labelSuffix)) << name << ' ' << field.key;
            EXPECT_FALSE(printed(page, field.key)) << name << ' ' << field.key;
        }
        // Each text ends before the next one on its line starts (in average character widths).
        for (const PrintText& text : page.texts) {
            for (const PrintText& next : page.texts) {
                if (next.line == text.line && next.column > text.column) {
                    EXPECT_GT(next.column, text.column + static_cast<int>(text.text.size())) << text.text;
                }
            }
        }
    }
}

TEST_F(PrintPipelineTest, BusyLockoutPrintsAsCarrierWhenItsConditionIsGone) {
    const struct {
        unsigned lockout;
        bool option;
        bool rxTone;
        TextId printed;
    } cases[] = {
        {3, false, true, 3013029}, {3, true, true, 3013023},  {2, false, false, 3013029},
        {2, false, true, 3013025}, {0, false, true, 1001039},
    };
    pipeline.RequestFromDialog(Sections({PrintSection::Channel}));
    for (const auto& c : cases) {
        ChannelRecord record(session.image, 1);
        session.image.Fill(record.Offset(), 8, 0x00);
        session.image.SetByte(record.Offset() + 3, 0x45); // 450.00000 MHz
        session.image.SetByte(record.Offset() + 7, 0x45);
        record.SetTone(Direction::Rx, ToneCode(c.rxTone ? 670 : 0xFFFF));
        record.SetOptionSignalling(c.option);
        record.SetBusyLockout(c.lockout);
        ASSERT_EQ(pipeline.OnPreparePrinting(), 1);
        // Channel 1's fourth line holds the unmute rule and the lockout.
        const std::vector<std::string> line = BodyLine(pipeline.OnPrint(1), 6);
        ASSERT_EQ(line.size(), 4u);
        EXPECT_EQ(line[2], Text(3013003));
        EXPECT_EQ(line[3], Text(c.printed)) << c.lockout << c.option << c.rxTone;
        EXPECT_EQ(record.BusyLockout(), c.lockout) << "printing changes nothing";
    }
}

TEST_F(PrintPipelineTest, SelectionOffersOnlyWhatTheImageHasAndOkNeedsABox) {
    PrintSelectionRules rules(session);
    EXPECT_FALSE(rules.OkEnabled());
    session.image.SetBit(RadioImage::kModelOptions, 6, true); // hidden functions off
    rules.Check(PrintSection::SmarTrunk, true);               // needs the trunking port mode
    EXPECT_FALSE(rules.OkEnabled());
    rules.SelectAll();
    EXPECT_TRUE(rules.IsChecked(PrintSection::Orbicall));
    EXPECT_FALSE(rules.IsChecked(PrintSection::SmarTrunkChannel));
    EXPECT_FALSE(rules.IsVisible(PrintSection::Extended));
    EXPECT_EQ(rules.NextBox(PrintSection::FunctionPort), PrintSection::Channel);
    rules.ClearAll();
    EXPECT_FALSE(rules.OkEnabled());

    session.image.SetByte(layout::kPortMode, layout::kTrunkingPortMode);
    session.image.SetBit(RadioImage::kModelOptions, 6, false);
    session.extendedMode = true;
    rules.SelectAll();
    EXPECT_FALSE(rules.IsChecked(PrintSection::Orbicall));
    EXPECT_TRUE(rules.IsChecked(PrintSection::SmarTrunkChannel));
    EXPECT_TRUE(rules.IsChecked(PrintSection::Extended));
}

TEST_F(PrintPipelineTest, BoardPagesPutSpeedDialBesideCodeListAndTwoGroupsOnAPage) {
    PrintPage settings;
    PrintBoardSettings(settings, test::ShippedTexts(),
                       {{{"System Tone", "3"}}, {{"Speed Dial 0", "5551234"}}, {"12"}});
    EXPECT_EQ(BodyLine(settings, 2), (std::vector<std::string>{"System Tone", "3"}));
    EXPECT_EQ(BodyLine(settings, 4), (std::vector<std::string>{Text(3019077), Text(3019081)}));
    EXPECT_EQ(BodyLine(settings, 5), (std::vector<std::string>{"Speed Dial 0", "5551234", "1", "12"}));
    // A job prints the board settings the session holds, as the SmarTrunk dialog shows them.
    session.board = BoardImage::NewDataSet();
    session.image.SetByte(0x258, 3); // trunking mode
    pipeline.RequestFromDialog(Sections({PrintSection::SmarTrunk}));
    ASSERT_EQ(pipeline.OnPreparePrinting(), 1);
    const std::vector<std::string> first = BodyLine(pipeline.OnPrint(1), 2);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[1], "0000"); // the first field of a new data set: the primary code

    const std::size_t group4channel2 = layout::kUpperMemory + 3 * 0x100 + 0x10;
    session.image.Fill(group4channel2, 4, 0x00);
    session.image.SetByte(group4channel2 + 3, 0x45);   // no TX frequency: that cell stays empty
    session.image.SetWord(group4channel2 + 8, 0x2813); // D023N
    PrintPage channels;
    PrintBoardChannels(channels, session.image, test::ShippedTexts(), 1);
    EXPECT_EQ(BodyLine(channels, 2 + 19), (std::vector<std::string>{Text(3019157) + " 4"}));
    const std::vector<std::string> line = BodyLine(channels, 2 + 19 + 3);
    ASSERT_GE(line.size(), 4u);
    EXPECT_EQ((std::vector<std::string>(line.begin(), line.begin() + 4)),
              (std::vector<std::string>{"2", "450.00000", "D023N", Text(1001023)}));
}

} // namespace
} // namespace rpx
