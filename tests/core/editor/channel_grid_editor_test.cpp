#include <gtest/gtest.h>

#include <functional>

#include "core/editor/channel_grid_editor.h"
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
    // Programs rows first..last with 450.n MHz and marks each record's reserved bits with n.
    void Program(int first, int last) {
        for (int row = first; row <= last; ++row) {
            ASSERT_TRUE(m_editor.CommitRxCell(row, "450." + std::to_string(row), true).stored);
            const std::size_t record = layout::ChannelRecordOffset(static_cast<std::size_t>(row));
            m_session.image.SetByte(record + 0xD, static_cast<uint8_t>(0x30 | row));
            m_session.image.SetByte(record + 0xE, static_cast<uint8_t>(row & 7));
        }
    }
    std::string Rx(int row) const { return m_editor.CellText(row, GridColumn::Rx); }
    uint8_t ReservedNibble(int row) const {
        return m_session.image.Byte(layout::ChannelRecordOffset(static_cast<std::size_t>(row)) + 0xD) & 0x0F;
    }

    Session m_session;
    test::ScriptedMessenger m_messenger;
    Notifier m_notifier{m_messenger, test::ShippedTexts()};
    ChannelGridEditor m_editor{m_session, m_notifier};
};

TEST_F(ChannelGridEditorTest, DeleteMovesTheGroupUpWithReservedBits) {
    Program(1, 4);
    Program(5, 5);
    ASSERT_TRUE(m_editor.DeleteChannel(2));
    EXPECT_EQ(Rx(1), "450.10000");
    EXPECT_EQ(Rx(2), "450.30000");
    EXPECT_EQ(Rx(3), "450.40000");
    EXPECT_EQ(Rx(4), "");
    EXPECT_EQ(Rx(5), "450.50000"); // the other group stays
    EXPECT_EQ(ReservedNibble(2), 3);
    EXPECT_EQ(ReservedNibble(3), 4);
    EXPECT_EQ(ReservedNibble(4), 4); // a cleared record keeps its own
    EXPECT_EQ(m_session.image.Byte(layout::ChannelRecordOffset(3) + 0xE), 4);
    EXPECT_TRUE(m_messenger.ShownIds().empty());
}

TEST_F(ChannelGridEditorTest, InsertNeedsAnEmptyLastRow) {
    Program(1, 4);
    const RadioImage full = m_session.image;
    EXPECT_FALSE(m_editor.InsertChannel(2));
    EXPECT_EQ(m_session.image, full);
    ASSERT_TRUE(m_editor.DeleteChannel(4));
    EXPECT_FALSE(m_editor.InsertChannel(4)); // the last row has no room below
    ASSERT_TRUE(m_editor.InsertChannel(2));
    EXPECT_EQ(Rx(1), "450.10000");
    EXPECT_EQ(Rx(2), "");
    EXPECT_EQ(Rx(3), "450.20000");
    EXPECT_EQ(Rx(4), "450.30000");
    EXPECT_EQ(ReservedNibble(4), 3);
    EXPECT_EQ(ReservedNibble(2), 2);

    Program(6, 7);
    ASSERT_TRUE(m_editor.InsertChannel(6));
    EXPECT_EQ(Rx(6), "");
    EXPECT_EQ(Rx(7), "450.60000");
    EXPECT_EQ(Rx(8), "450.70000");
}

TEST_F(ChannelGridEditorTest, CopyCarriesAllSixteenBytesOnlyFromProgrammedRows) {
    Program(1, 1);
    ASSERT_TRUE(m_editor.CopyChannel(1, 7));
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(m_session.image.Byte(layout::ChannelRecordOffset(7) + i),
                  m_session.image.Byte(layout::ChannelRecordOffset(1) + i));
    EXPECT_FALSE(m_editor.CanCopyFrom(2));
    EXPECT_FALSE(m_editor.CopyChannel(2, 3));
}

TEST_F(ChannelGridEditorTest, ReferencesToEmptiedChannelsAreReleasedWithAMessage) {
    Program(1, 3);
    m_session.image.SetByte(layout::kEmergencyChannel, 2);
    m_session.image.SetByte(layout::kDataChannel, 3);
    m_editor.CommitRxCell(3, "", true);
    m_editor.CommitRxCell(2, "", true);
    EXPECT_EQ(m_messenger.ShownIds(), (std::vector<TextId>{kDataChannelReleased, kEmergencyReleased}));
    EXPECT_EQ(m_messenger.Shown()[0].captionId, 3017029);
    EXPECT_EQ(m_messenger.Shown()[1].captionId, 3011023);
    for (const Message& message : m_messenger.Shown()) {
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
    }
    EXPECT_EQ(m_session.image.Byte(layout::kEmergencyChannel), 0);
    EXPECT_EQ(m_session.image.Byte(layout::kDataChannel), 0);

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
    EXPECT_TRUE(typed.stored);
    EXPECT_TRUE(typed.warned);
    EXPECT_EQ(m_messenger.ShownIds(), std::vector<TextId>{kOutOfBand});
    EXPECT_EQ(m_messenger.Shown()[0].captionId, txt::kCaptionWarning);
    EXPECT_EQ(m_messenger.Shown()[0].icon, MessageIcon::Exclamation);
    m_messenger.Clear();
    EXPECT_FALSE(m_editor.CommitRxCell(1, Rx(1), false).warned); // tabbing through
    EXPECT_FALSE(m_editor.CommitTxCell(1, "300", false).warned);
    EXPECT_TRUE(m_messenger.ShownIds().empty());
    EXPECT_EQ(m_editor.CellText(1, GridColumn::Tx), "174.00000");
}

TEST_F(ChannelGridEditorTest, CellsFollowTheChannelAndTheGroupRules) {
    struct Case {
        const char* model;
        uint8_t rangeCode;
        uint8_t key2;
        bool row5Visible;
        bool row5Usable;
    };
    const Case cases[] = {
        {"MDL2A", 0x31, 11, false, false}, // one group
        {"MDL2A", 0x30, 0xFF, true, false},
        {"MDL2B", 0x31, 6, true, false},
        {"MDL2B", 0x31, 11, true, true},
    };
    for (const Case& c : cases) {
        Use(c.model, c.rangeCode);
        ASSERT_TRUE(m_editor.CommitRxCell(1, "450.1", true).stored);
        m_session.image.SetByte(layout::kProgrammableKey2, 11);
        ASSERT_TRUE(m_editor.CommitRxCell(5, "450.5", true).stored || !c.row5Visible);
        m_session.image.SetByte(layout::kProgrammableKey2, c.key2);
        EXPECT_EQ(m_editor.IsRowVisible(5), c.row5Visible) << c.model;
        for (GridColumn column : {GridColumn::Rx, GridColumn::Tx, GridColumn::Power})
            EXPECT_EQ(m_editor.IsCellEnabled(5, column), c.row5Usable) << c.model << " key " << int(c.key2);
        EXPECT_EQ(m_editor.SelectFlag(5, GridColumn::Scan, 0), c.row5Usable);
        EXPECT_EQ(m_editor.DeleteChannel(5), c.row5Usable);
        // Group 1 behaves alike on every model: RX alone on an empty row, encode only with TX.
        EXPECT_TRUE(m_editor.IsCellEnabled(2, GridColumn::Rx));
        EXPECT_FALSE(m_editor.IsCellEnabled(2, GridColumn::Tx));
        EXPECT_EQ(m_editor.CellText(2, GridColumn::Power), "");
        EXPECT_TRUE(m_editor.IsCellEnabled(1, GridColumn::Decode));
        EXPECT_FALSE(m_editor.IsCellEnabled(1, GridColumn::Encode));
        EXPECT_EQ(m_editor.CellText(1, GridColumn::Encode), "");
        EXPECT_FALSE(m_editor.CommitToneCell(1, Direction::Tx, "67.0"));
    }
    EXPECT_THROW(m_editor.IsRowVisible(9), std::out_of_range);
}

TEST_F(ChannelGridEditorTest, TrunkingReservesLeadingRowsOfGroupOne) {
    Program(1, 4);
    m_session.image.SetByte(layout::kPortMode, layout::kTrunkingPortMode);
    m_session.image.SetByte(layout::kTrunkingGroups, 2);
    m_session.trunkingMode = true;
    const std::string trunked = test::ShippedTexts().GetText(3019155);
    EXPECT_EQ(Rx(2), trunked);
    EXPECT_EQ(m_editor.CellText(2, GridColumn::Tx), "");
    EXPECT_TRUE(m_editor.IsCellEnabled(2, GridColumn::Rx));
    EXPECT_FALSE(m_editor.IsCellEnabled(2, GridColumn::Decode));
    EXPECT_FALSE(m_editor.CommitRxCell(2, "460", true).stored);
    EXPECT_FALSE(m_editor.DeleteChannel(1));
    EXPECT_FALSE(m_editor.InsertChannel(2));
    EXPECT_FALSE(m_editor.CopyChannel(3, 1));
    EXPECT_EQ(Rx(3), "450.30000");
    EXPECT_TRUE(m_editor.IsCellEnabled(3, GridColumn::Tx));

    // Without bit 6 of the model options the trunking mode is taken back.
    m_session.image.SetByte(RadioImage::kModelOptions, 0xBF);
    m_session.image.Fill(layout::kDataChannelList, 8, 0x2C);
    EXPECT_EQ(Rx(2), "450.20000");
    m_editor.RefreshTrunkingRows();
    EXPECT_EQ(m_session.image.Byte(layout::kPortMode), 0);
    EXPECT_FALSE(m_session.trunkingMode);
    EXPECT_TRUE(m_session.image.AllEqual(layout::kDataChannelList, 3, 0xFF));
    EXPECT_EQ(m_session.image.Byte(layout::kDataChannelList + 3), 0x2C);
}

TEST_F(ChannelGridEditorTest, TonesAndFlagsAreStoredThroughTheirCells) {
    Program(1, 1);
    ASSERT_TRUE(m_editor.CommitTxCell(1, "455.1", true).stored);
    EXPECT_TRUE(m_editor.SelectTone(1, Direction::Rx, "D754I"));
    EXPECT_EQ(m_editor.CellText(1, GridColumn::Decode), "D754I");
    EXPECT_FALSE(m_editor.SelectTone(1, Direction::Rx, "100.1")); // not an item
    EXPECT_TRUE(m_editor.CommitToneCell(1, Direction::Tx, "300"));
    EXPECT_EQ(m_editor.CellText(1, GridColumn::Encode), "254.1");
    EXPECT_TRUE(m_editor.SelectFlag(1, GridColumn::Option, 1));
    EXPECT_EQ(m_editor.CellText(1, GridColumn::Option), test::ShippedTexts().GetText(3013023));
    EXPECT_FALSE(m_editor.SelectFlag(1, GridColumn::Option, 2));
    EXPECT_FALSE(m_editor.SelectFlag(1, GridColumn::Decode, 1));
}

// A messenger that lets the window start another edit while a message box is open.
class ReenteringMessenger : public Messenger {
public:
    std::function<void()> onShow;
    MessageAnswer Show(const Message&) override {
        if (onShow)
            onShow();
        return MessageAnswer::Ok;
    }
};

TEST(ChannelGridEditorReentry, EditsWaitForTheRunningOne) {
    Session session;
    session.image = test::NewImage("MDL1B", 0x11);
    ReenteringMessenger messenger;
    Notifier notifier(messenger, test::NoTexts());
    ChannelGridEditor editor(session, notifier);
    bool nestedStored = true;
    messenger.onShow = [&] { nestedStored = editor.CommitRxCell(2, "150", true).stored; };
    ASSERT_TRUE(editor.CommitRxCell(1, "200", true).warned);
    EXPECT_FALSE(nestedStored);
    EXPECT_EQ(editor.CellText(2, GridColumn::Rx), "");
    EXPECT_TRUE(editor.CommitRxCell(2, "150", true).stored);
}

} // namespace
} // namespace rpx
