#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/editor/channel_grid_editor.h"
#include "core/editor/copy_target.h"
#include "core/radio/image_layout.h"
#include "core/text/text_ids.h"
#include "tests/core/editor/editor_test_image.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

constexpr TextId kEmergencyReleased = 3003027;
constexpr TextId kDataChannelReleased = 3003045;
constexpr TextId kOutOfBand = 3003043;

class ChannelGridEditorTest : public ::testing::Test {
protected:
    ChannelGridEditorTest() { Use("MDL2B", 0x31); }

    void Use(const char* model, uint8_t rangeCode) {
        m_session.image = test::NewImage(model, rangeCode);
        m_session.image.SetByte(layout::kProgrammableKey2, 11);
    }
    // Programs rows first..last with 450.n MHz and marks each record's reserved nibble with n.
    void Program(int first, int last) {
        for (int row = first; row <= last; ++row) {
            ASSERT_TRUE(m_editor.CommitRxCell(row, "450." + std::to_string(row), true).stored);
            const std::size_t options = layout::ChannelRecordOffset(static_cast<std::size_t>(row)) + 0xD;
            m_session.image.SetByte(options, static_cast<uint8_t>(0x30 | row));
        }
    }
    std::string Rx(int row) const { return m_editor.CellText(row, GridColumn::Rx); }
    // Row by row: the n of its 450.n MHz ("-" when empty) and its reserved nibble.
    std::string Rows() const {
        std::string rows;
        for (int row = 1; row <= ChannelGridEditor::kRowCount; ++row) {
            const std::size_t options = layout::ChannelRecordOffset(static_cast<std::size_t>(row)) + 0xD;
            rows += (Rx(row).empty() ? "-" : Rx(row).substr(4, 1)) +
                    "0123456789ABCDEF"[m_session.image.Byte(options) & 0x0F] + " ";
        }
        return rows;
    }

    // Records the messages; onShow lets the window start another edit while a message box is open.
    struct Messenger : test::ScriptedMessenger {
        std::function<void()> onShow = [] {};
        MessageAnswer Show(const Message& message) override {
            onShow();
            return ScriptedMessenger::Show(message);
        }
    };

    Session m_session;
    Messenger m_messenger;
    Notifier m_notifier{m_messenger, test::ShippedTexts()};
    ChannelGridEditor m_editor{m_session, m_notifier};
};

TEST_F(ChannelGridEditorTest, RowCommandsMoveWholeRecordsWithinTheirGroup) {
    enum Command { Delete, Insert, Copy };
    const std::tuple<Command, int, int, bool, const char*> cases[] = {
        // A cleared record keeps its own reserved nibble; insert needs an empty last row below.
        {Delete, 2, 0, true, "11 33 44 -4 55 66 -F -F "}, {Insert, 2, 0, false, "11 22 33 44 55 66 -F -F "},
        {Insert, 6, 0, true, "11 22 33 44 55 -6 66 -F "}, {Insert, 8, 0, false, "11 22 33 44 55 66 -F -F "},
        {Copy, 7, 2, false, "11 22 33 44 55 66 -F -F "},  {Copy, 1, 7, true, "11 22 33 44 55 66 11 -F "},
    };
    for (const auto& [command, row, to, done, rows] : cases) {
        Use("MDL2B", 0x31);
        Program(1, 6);
        EXPECT_EQ(command == Delete   ? m_editor.DeleteChannel(row)
                  : command == Insert ? m_editor.InsertChannel(row)
                                      : m_editor.CopyChannel(row, to),
                  done)
            << command << " " << row;
        EXPECT_EQ(Rows(), rows) << command << " " << row;
    }
    const auto record = [&](std::size_t row) {
        return m_session.image.Bytes().subspan(layout::ChannelRecordOffset(row), 16);
    };
    EXPECT_TRUE(std::ranges::equal(record(1), record(7))) << "the last copy carries all sixteen bytes";
    EXPECT_TRUE(m_messenger.ShownIds().empty());
}

TEST_F(ChannelGridEditorTest, RowCommandsAreOfferedWhereTheyCanAct) {
    using enum RowCommand;
    struct Case {
        const char* what;
        std::function<void(RadioImage&)> prepare;
        int row;
        std::vector<RowCommand> offered;
        bool trunkingDialog = false; // ">>" opens the trunking channel dialog
    };
    const auto noKey = [](RadioImage& image) { image.SetByte(layout::kProgrammableKey2, 0); };
    const auto trunking = [](RadioImage& image) {
        image.SetByte(layout::kPortMode, layout::kTrunkingPortMode);
        image.SetByte(layout::kTrunkingGroups, 1);
    };
    const Case cases[] = {
        {"TX programmed", {}, 1, {Delete, Insert, CopyChannel, TxFrequency, EncodeTone, GroupCopy, Details}},
        {"RX only", {}, 2, {Delete, Insert, CopyChannel, TxFrequency, GroupCopy, Details}},
        {"empty", {}, 3, {Delete, Insert, GroupCopy, Details}},
        {"last row", {}, 4, {Delete, GroupCopy, Details}},
        {"empty group", {}, 5, {Delete, Insert, Details}},
        {"group 2 off", noKey, 1, {Delete, Insert, CopyChannel, TxFrequency, EncodeTone, Details}},
        {"group 2 off", noKey, 5, {}},
        {"reserved", trunking, 1, {Details}, true},
        {"beside a reserved row", trunking, 2, {Delete, Insert, CopyChannel, TxFrequency, Details}, true},
    };
    for (const Case& c : cases) {
        Use("MDL2B", 0x31);
        ASSERT_TRUE(m_editor.CommitRxCell(1, "450.1", true).stored);
        m_editor.CommitTxCell(1, "455", true);
        m_editor.CommitRxCell(2, "450.2", true);
        if (c.prepare)
            c.prepare(m_session.image);
        std::vector<RowCommand> offered;
        for (RowCommand command : {Delete, Insert, CopyChannel, TxFrequency, EncodeTone, GroupCopy, Details})
            if (m_editor.Offers(command, c.row))
                offered.push_back(command);
        EXPECT_EQ(offered, c.offered) << c.what << " row " << c.row;
        EXPECT_EQ(m_editor.OpensTrunkingChannelDialog(), c.trunkingDialog) << c.what;
    }
}

TEST_F(ChannelGridEditorTest, CopyTargetStaysInGroupOneWhileGroupTwoCannotBeUsed) {
    Program(1, 2);
    std::optional<CopyTarget> last = CopyTarget{2, 4};
    m_session.image.SetByte(layout::kProgrammableKey2, 0);
    CopyChannelRules rules(m_editor, last, 1);
    EXPECT_FALSE(rules.IsGroupFieldEnabled());
    EXPECT_EQ(rules.InitialTarget(), (CopyTarget{1, 4}));
    ASSERT_TRUE(rules.Confirm("2", "3"));
    EXPECT_EQ(Rows(), "11 22 11 -F -F -F -F -F ");

    m_session.image.SetByte(layout::kPortMode, layout::kTrunkingPortMode);
    m_session.image.SetByte(layout::kTrunkingGroups, 1);
    EXPECT_FALSE(CopyChannelRules(m_editor, last, 2).Confirm("1", "1")); // onto a reserved row
    EXPECT_EQ(last, (CopyTarget{1, 3}));
}

TEST_F(ChannelGridEditorTest, ReferencesToEmptiedChannelsAreReleasedWithAMessage) {
    Program(1, 3);
    m_session.image.SetByte(layout::kEmergencyChannel, 2);
    m_session.image.SetByte(layout::kDataChannel, 3);
    m_editor.CommitRxCell(3, "", true);
    m_editor.CommitRxCell(2, "", true);
    ASSERT_EQ(m_messenger.ShownIds(), (std::vector<TextId>{kDataChannelReleased, kEmergencyReleased}));
    const Message& box = m_messenger.Shown()[1];
    EXPECT_EQ(std::tuple(m_messenger.Shown()[0].captionId, box.captionId, box.icon, box.buttons),
              std::tuple(3017029, 3011023, MessageIcon::Exclamation, MessageButtons::Ok));
    EXPECT_EQ(std::tuple(m_session.image.Byte(layout::kEmergencyChannel),
                         m_session.image.Byte(layout::kDataChannel)),
              std::tuple(0, 0));

    m_messenger.Clear();
    m_session.image.SetByte(layout::kEmergencyChannel, 1);
    m_session.image.SetByte(layout::kDataChannel, 9); // names no channel
    ASSERT_TRUE(m_editor.DeleteChannel(1));           // row 1 is now empty
    EXPECT_EQ(m_messenger.ShownIds(), (std::vector<TextId>{kEmergencyReleased}));
    EXPECT_EQ(m_session.image.Byte(layout::kDataChannel), 9);
}

TEST_F(ChannelGridEditorTest, OutOfBandWarningOnlyForChangedText) {
    Use("MDL1B", 0x11);
    const FrequencyCommit typed = m_editor.CommitRxCell(1, "200.00000", true);
    EXPECT_EQ(std::tuple(typed.stored, typed.warned), std::tuple(true, true));
    ASSERT_EQ(m_messenger.ShownIds(), std::vector<TextId>{kOutOfBand});
    EXPECT_EQ(std::tuple(m_messenger.Shown()[0].captionId, m_messenger.Shown()[0].icon),
              std::tuple(txt::kCaptionWarning, MessageIcon::Exclamation));
    m_messenger.Clear();
    EXPECT_FALSE(m_editor.CommitRxCell(1, Rx(1), false).warned); // tabbing through
    EXPECT_FALSE(m_editor.CommitTxCell(1, "300", false).warned);
    EXPECT_TRUE(m_messenger.ShownIds().empty());
    EXPECT_EQ(m_editor.CellText(1, GridColumn::Tx), "174.00000");
}

TEST_F(ChannelGridEditorTest, CellsFollowTheChannelAndTheGroupRules) {
    // Model, range code, programmable key 2, row 5 visible, row 5 usable.
    const std::tuple<const char*, uint8_t, uint8_t, bool, bool> cases[] = {
        {"MDL2A", 0x31, 11, false, false}, // one group
        {"MDL2A", 0x30, 0xFF, true, false},
        {"MDL2B", 0x31, 6, true, false},
        {"MDL2B", 0x31, 11, true, true},
    };
    for (const auto& [model, rangeCode, key2, visible, usable] : cases) {
        Use(model, rangeCode);
        ASSERT_TRUE(m_editor.CommitRxCell(1, "450.1", true).stored);
        ASSERT_TRUE(m_editor.CommitRxCell(5, "450.5", true).stored || !visible);
        m_session.image.SetByte(layout::kProgrammableKey2, key2);
        EXPECT_EQ(m_editor.IsRowVisible(5), visible) << model;
        for (GridColumn column : {GridColumn::Rx, GridColumn::Tx, GridColumn::Power})
            EXPECT_EQ(m_editor.IsCellEnabled(5, column), usable) << model << " key " << int(key2);
        EXPECT_EQ(m_editor.SelectFlag(5, GridColumn::Scan, 0), usable);
        EXPECT_EQ(m_editor.DeleteChannel(5), usable);
        // Group 1 behaves alike on every model: only RX on an empty row, encode only with TX.
        EXPECT_FALSE(m_editor.IsCellEnabled(2, GridColumn::Tx));
        EXPECT_FALSE(m_editor.CommitToneCell(1, Direction::Tx, "67.0"));
    }
    EXPECT_THROW(m_editor.IsRowVisible(9), std::out_of_range);
    // Only list items and the two flag items are taken.
    EXPECT_FALSE(m_editor.SelectTone(1, Direction::Rx, "100.1"));
    EXPECT_FALSE(m_editor.SelectFlag(1, GridColumn::Option, 2));
    EXPECT_FALSE(m_editor.SelectFlag(1, GridColumn::Decode, 1));
}

TEST_F(ChannelGridEditorTest, TrunkingReservesLeadingRowsUntilHiddenFunctionsTakeItBack) {
    Program(1, 4);
    m_session.image.SetByte(layout::kPortMode, layout::kTrunkingPortMode);
    m_session.image.SetByte(layout::kTrunkingGroups, 2);
    m_session.trunkingMode = true;
    EXPECT_FALSE(m_editor.DeleteChannel(1));
    EXPECT_FALSE(m_editor.InsertChannel(2));
    EXPECT_FALSE(m_editor.CopyChannel(3, 1));

    m_session.image.SetByte(RadioImage::kModelOptions, 0xBF);
    m_session.image.Fill(layout::kDataChannelList, 8, 0x2C);
    EXPECT_EQ(Rx(2), "450.20000");
    m_editor.RefreshTrunkingRows();
    EXPECT_EQ(std::tuple(m_session.image.Byte(layout::kPortMode), m_session.trunkingMode),
              std::tuple(0, false));
    EXPECT_TRUE(m_session.image.AllEqual(layout::kDataChannelList, 3, 0xFF));
    EXPECT_EQ(m_session.image.Byte(layout::kDataChannelList + 3), 0x2C);
}

TEST_F(ChannelGridEditorTest, EditsWaitForTheRunningOne) {
    Use("MDL1B", 0x11);
    bool nestedStored = true;
    m_messenger.onShow = [&] { nestedStored = m_editor.CommitRxCell(2, "150", true).stored; };
    ASSERT_TRUE(m_editor.CommitRxCell(1, "200", true).warned);
    EXPECT_FALSE(nestedStored);
    EXPECT_EQ(Rx(2), "");
}

} // namespace
} // namespace rpx
