#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "core/editor/frequency_text.h"
#include "core/radio/image_layout.h"
#include "gui/app/qt_text.h"
#include "gui/editor/cell_list.h"
#include "gui/editor/crq7150_view.h"
#include "tests/core/editor/editor_test_image.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

// Readable QString values in failure messages.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace rpx::gui {
namespace {

constexpr TextId kOutOfBand = 3003043;
constexpr TextId kTrunkedChannel = 3019155;

std::size_t RecordByte(int channel, std::size_t offset) {
    return layout::ChannelRecordOffset(static_cast<std::size_t>(channel)) + offset;
}

void Program(RadioImage& image, int channel, const char* rx, const char* tx = "") {
    ParseRxFrequency(image, channel, rx);
    ParseTxFrequency(image, channel, tx);
}

QString Text(TextId id) {
    return Tr(test::ShippedTexts(), id);
}

class ChannelGridViewTest : public ::testing::Test {
protected:
    // A shown and active view over a new image of the model, after prepare has changed the image.
    void Open(const char* model, uint8_t rangeCode, const std::function<void(RadioImage&)>& prepare = {}) {
        m_session.image = test::NewImage(model, rangeCode);
        if (prepare)
            prepare(m_session.image);
        m_view = std::make_unique<CRQ7150View>(m_session, m_notifier);
        m_view->OnInitialUpdate();
        m_view->show();
        Activate();
    }
    void Activate() {
        m_view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_view.get()));
    }
    // Band 1 (146..174 MHz), one channel group.
    void OpenBandOne(const std::function<void(RadioImage&)>& prepare = {}) { Open("MDL1A", 0x11, prepare); }
    void Reload() {
        m_view->RefreshAllTexts();
        m_view->RefreshGridState();
    }

    template <typename Widget = QLineEdit> Widget* Cell(const char* name, int row) const {
        auto* cell = m_view->findChild<Widget*>(QString::fromLatin1(name) + QString::number(row));
        EXPECT_NE(cell, nullptr) << name << row;
        return cell;
    }
    // The drop-down on screen, if any (closed ones may wait for their deletion).
    CellList* OpenList() const {
        for (CellList* list : m_view->findChildren<CellList*>())
            if (list->isVisible())
                return list;
        return nullptr;
    }
    // The grid cell with the focus, or the cell whose drop-down has it.
    QString FocusName() const {
        QWidget* focus = QApplication::focusWidget();
        for (QWidget* widget = focus; widget != nullptr; widget = widget->parentWidget())
            if (qobject_cast<CellList*>(widget))
                return widget->objectName();
        return focus != nullptr ? focus->objectName() : QString();
    }

    void Click(const char* name, int row) { QTest::mouseClick(Cell<QWidget>(name, row), Qt::LeftButton); }
    void Type(const char* keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    uint8_t Byte(std::size_t offset) const { return m_session.image.Byte(offset); }

    Session m_session;
    test::ScriptedMessenger m_messenger;
    Notifier m_notifier{m_messenger, test::ShippedTexts()};
    std::unique_ptr<CRQ7150View> m_view;
};

TEST_F(ChannelGridViewTest, OneGroupModelShowsOnlyGroupOne) {
    OpenBandOne();
    for (int row = 1; row <= 8; ++row)
        for (const char* name : {"rx", "tx", "decode", "option", "details", "rowNumber"})
            EXPECT_EQ(Cell<QWidget>(name, row)->isVisible(), row <= 4) << name << row;
    for (const char* header : {"group1Header", "group2Header"})
        EXPECT_FALSE(m_view->findChild<QWidget*>(header)->isVisible()) << header;
}

TEST_F(ChannelGridViewTest, GroupTwoIsEnabledOnlyByAKeyWithFunctionCode11) {
    struct Case {
        std::size_t keyWithCode11; // 0: neither key
        bool enabled;
    };
    for (const Case& c :
         {Case{0, false}, Case{layout::kProgrammableKey1, true}, Case{layout::kProgrammableKey2, true}}) {
        Open("MDL1B", 0x11, [&](RadioImage& image) {
            if (c.keyWithCode11 != 0)
                image.SetByte(c.keyWithCode11, 11);
            Program(image, 5, "146.52");
        });
        EXPECT_TRUE(m_view->findChild<QWidget*>("group2Header")->isVisible());
        for (int row = 5; row <= 8; ++row)
            for (const char* name :
                 {"rx", "tx", "decode", "encode", "power", "wideNarrow", "scan", "option", "details"})
                EXPECT_TRUE(Cell<QWidget>(name, row)->isVisible()) << name << row;
        EXPECT_EQ(Cell("rx", 5)->isEnabled(), c.enabled) << c.keyWithCode11;
        EXPECT_EQ(Cell("tx", 5)->isEnabled(), c.enabled);
        EXPECT_EQ(Cell("scan", 5)->isEnabled(), c.enabled);
        EXPECT_EQ(Cell("rx", 8)->isEnabled(), c.enabled);
        EXPECT_FALSE(Cell("tx", 8)->isEnabled()); // an empty channel
        EXPECT_FALSE(Cell<QPushButton>("details", 5)->isEnabled());
        EXPECT_EQ(Cell("rx", 5)->text(), "146.52000");
    }
}

TEST_F(ChannelGridViewTest, EncodeCellWaitsForATxFrequency) {
    OpenBandOne();
    Click("rx", 1);
    Type("146.52");
    Press(Qt::Key_Tab);
    EXPECT_EQ(FocusName(), "tx1");
    EXPECT_FALSE(Cell("encode", 1)->isEnabled());
    EXPECT_EQ(Cell("encode", 1)->text(), "");
    EXPECT_EQ(Cell("decode", 1)->text(), Text(1001023));

    Type("147");
    Press(Qt::Key_Tab);
    EXPECT_TRUE(Cell("encode", 1)->isEnabled());
    EXPECT_EQ(Cell("encode", 1)->text(), Text(1001023));
    EXPECT_EQ(FocusName(), "decode1List");
}

TEST_F(ChannelGridViewTest, TypedFrequencyIsCommittedWhenTheCellIsLeft) {
    enum class Leave { Tab, Enter, ClickElsewhere };
    struct Case {
        const char* typed;
        Leave leave;
        const char* shown;
        std::vector<uint8_t> stored; // the four BCD bytes of the RX frequency
    };
    const Case cases[] = {
        {"146.52", Leave::Tab, "146.52000", {0x00, 0x20, 0x65, 0x14}},
        {"146", Leave::Enter, "146.00000", {0x00, 0x00, 0x60, 0x14}},
        {"146.5225", Leave::ClickElsewhere, "146.52250", {0x50, 0x22, 0x65, 0x14}},
        {"1a4 6-.5x", Leave::Tab, "146.50000", {0x00, 0x00, 0x65, 0x14}},   // letters never reach the cell
        {"146.5000012", Leave::Tab, "146.50000", {0x00, 0x00, 0x65, 0x14}}, // nine characters at most
    };
    for (const Case& c : cases) {
        OpenBandOne();
        QSignalSpy edited(m_view.get(), &CRQ7150View::imageEdited);
        Click("rx", 1);
        Type(c.typed);
        switch (c.leave) {
        case Leave::Tab:
            Press(Qt::Key_Tab);
            break;
        case Leave::Enter:
            Press(Qt::Key_Return);
            break;
        case Leave::ClickElsewhere:
            Click("rx", 3);
            break;
        }
        EXPECT_EQ(Cell("rx", 1)->text(), c.shown) << c.typed;
        EXPECT_EQ(FocusName(), c.leave == Leave::ClickElsewhere ? "rx3" : "tx1") << c.typed;
        for (std::size_t i = 0; i < c.stored.size(); ++i)
            EXPECT_EQ(Byte(RecordByte(1, i)), c.stored[i]) << c.typed << " byte " << i;
        EXPECT_EQ(edited.count(), 1) << c.typed;
        EXPECT_TRUE(m_messenger.ShownIds().empty()) << c.typed;
    }
}

TEST_F(ChannelGridViewTest, OutOfBandWarningOnlyAfterTheTextWasChanged) {
    OpenBandOne();
    Click("rx", 1);
    Type("200");
    Press(Qt::Key_Tab);
    EXPECT_EQ(m_messenger.ShownIds(), std::vector<TextId>{kOutOfBand});
    EXPECT_EQ(Cell("rx", 1)->text(), "200.00000"); // stored all the same

    m_messenger.Clear();
    QSignalSpy edited(m_view.get(), &CRQ7150View::imageEdited);
    Press(Qt::Key_Backtab);
    ASSERT_EQ(FocusName(), "rx1");
    Press(Qt::Key_Tab);
    Press(Qt::Key_Backtab);
    Click("rx", 2);
    EXPECT_TRUE(m_messenger.ShownIds().empty());
    EXPECT_EQ(edited.count(), 0);
}

TEST_F(ChannelGridViewTest, PendingEditIsStoredWhileTheFocusStays) {
    OpenBandOne();
    QSignalSpy edited(m_view.get(), &CRQ7150View::imageEdited);
    Click("rx", 1);
    Type("200");
    m_view->CommitPendingEdit();
    EXPECT_EQ(Byte(RecordByte(1, 3)), 0x20);
    EXPECT_EQ(FocusName(), "rx1");
    EXPECT_EQ(m_view->CurrentRow(), 1);
    Press(Qt::Key_Tab);
    EXPECT_EQ(m_messenger.ShownIds(), std::vector<TextId>{kOutOfBand});
    EXPECT_EQ(edited.count(), 1);
}

TEST_F(ChannelGridViewTest, FlagChoiceIsStoredAtOnceAndShownWhenTheListIsLeft) {
    struct Case {
        const char* cell;
        Qt::Key key;
        std::size_t recordOffset;
        uint8_t mask;
        bool set; // after the key
        TextId shown;
        const char* next; // where Tab goes
    };
    const Case cases[] = {
        {"power", Qt::Key_Up, 0xD, 0x20, false, 3013017, "wideNarrow1List"},
        {"wideNarrow", Qt::Key_Up, 0xC, 0x02, false, 1001031, "scan1List"},
        {"scan", Qt::Key_Up, 0xD, 0x10, false, 3013019, "option1List"},
        {"option", Qt::Key_Down, 0xC, 0xC0, true, 3013023, "rx2"},
    };
    for (const Case& c : cases) {
        OpenBandOne([](RadioImage& image) { Program(image, 1, "146.52", "146.52"); });
        QSignalSpy edited(m_view.get(), &CRQ7150View::imageEdited);
        Click(c.cell, 1);
        CellList* list = OpenList();
        ASSERT_NE(list, nullptr) << c.cell;
        EXPECT_EQ(list->currentIndex(), c.set ? 0 : 1) << c.cell; // the stored value before the key
        QTest::keyClick(list, c.key);
        EXPECT_EQ(Byte(RecordByte(1, c.recordOffset)) & c.mask, c.set ? c.mask : 0) << c.cell;
        Press(Qt::Key_Tab);
        EXPECT_EQ(Cell(c.cell, 1)->text(), Text(c.shown)) << c.cell;
        EXPECT_EQ(FocusName(), c.next) << c.cell;
        EXPECT_EQ(edited.count(), 1) << c.cell;
    }
}

TEST_F(ChannelGridViewTest, TypedToneIsConvertedWhenTheListIsLeft) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"d023n", "D023N"}, {"d23", "D230N"},  {"d089", "D000N"}, // 8 and 9 are no octal digits
        {"100.1", "100.1"}, {"3000", "254.1"}, {"60x", "67.0"},
    };
    for (const Case& c : cases) {
        OpenBandOne([](RadioImage& image) { Program(image, 1, "146.52", "146.52"); });
        Click("decode", 1);
        ASSERT_NE(OpenList(), nullptr);
        Type(c.typed); // replaces the selected text
        Press(Qt::Key_Return);
        EXPECT_EQ(Cell("decode", 1)->text(), c.shown) << c.typed;
        EXPECT_EQ(FocusName(), "encode1List") << c.typed;
        EXPECT_EQ(OpenList()->currentText(), Text(1001023)) << c.typed;
    }
}

TEST_F(ChannelGridViewTest, ToneListSelectsTheStoredItemOrShowsAnUnlistedValue) {
    struct Case {
        const char* typed;
        bool listed;
    };
    for (const Case& c : {Case{"d023n", true}, Case{"100.1", false}, Case{"", true}}) {
        OpenBandOne([](RadioImage& image) { Program(image, 1, "146.52", "146.52"); });
        Click("encode", 1);
        Type(c.typed);
        Press(Qt::Key_Tab);
        const QString stored = Cell("encode", 1)->text();
        Click("encode", 1);
        CellList* list = OpenList();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->currentText(), stored) << c.typed;
        EXPECT_EQ(list->currentIndex(), c.listed ? list->findText(stored) : -1) << c.typed;
        EXPECT_EQ(list->lineEdit()->selectedText(), stored) << c.typed;
    }
}

TEST_F(ChannelGridViewTest, TrunkingRowsShowTheTrunkingTextAndRefuseFrequencies) {
    OpenBandOne([](RadioImage& image) {
        for (int channel = 1; channel <= 4; ++channel)
            Program(image, channel, "146.52", "146.52");
    });
    m_session.image.SetByte(layout::kPortMode, layout::kTrunkingPortMode);
    m_session.image.SetByte(layout::kTrunkingGroups, 2);
    ASSERT_TRUE(m_session.image.Bit(RadioImage::kModelOptions, 6));
    Reload();
    for (int row = 1; row <= 4; ++row) {
        const bool reserved = row <= 2;
        EXPECT_EQ(Cell("rx", row)->text(), reserved ? Text(kTrunkedChannel) : QString("146.52000")) << row;
        EXPECT_EQ(Cell("rx", row)->isReadOnly(), reserved) << row;
        EXPECT_TRUE(Cell("rx", row)->isEnabled()) << row;
        EXPECT_EQ(Cell("tx", row)->isEnabled(), !reserved) << row;
        EXPECT_EQ(Cell("decode", row)->text().isEmpty(), reserved) << row;
    }
    const RadioImage before = m_session.image;
    Click("rx", 2);
    Type("150");
    Press(Qt::Key_Tab);
    EXPECT_EQ(Cell("rx", 2)->text(), Text(kTrunkedChannel));
    EXPECT_EQ(FocusName(), "rx3"); // the reserved row's other cells are stepped over
    EXPECT_TRUE(m_session.image == before);
}

TEST_F(ChannelGridViewTest, TabAndShiftTabStepOverCellsThatCannotBeUsed) {
    struct Case {
        const char* fromCell;
        int fromRow;
        Qt::Key key;
        const char* expected;
    };
    const Case cases[] = {
        {"rx", 2, Qt::Key_Tab, "tx2"},            // programmed without TX: TX can be typed
        {"decode", 2, Qt::Key_Tab, "power2List"}, // encode needs a TX frequency
        {"power", 2, Qt::Key_Backtab, "decode2List"},
        {"rx", 3, Qt::Key_Tab, "rx4"},             // an empty channel offers only its RX cell
        {"rx", 2, Qt::Key_Backtab, "option1List"}, // the ">>" buttons are not available yet
        {"rx", 1, Qt::Key_Backtab, "rx4"},         // wraps within the shown group
        {"rx", 4, Qt::Key_Tab, "rx1"},
    };
    for (const Case& c : cases) {
        OpenBandOne([](RadioImage& image) {
            Program(image, 1, "146.52", "146.52");
            Program(image, 2, "147");
        });
        Click(c.fromCell, c.fromRow);
        Press(c.key);
        EXPECT_EQ(FocusName(), c.expected) << c.fromCell << c.fromRow;
    }
}

TEST_F(ChannelGridViewTest, ContextMenuOnlyOnCellsThatCanBeTypedInto) {
    // Sends the menu request and reports whether a menu opened (closing it again).
    const auto showsMenu = [](QWidget* cell) {
        bool shown = false;
        QTimer::singleShot(0, cell, [&shown] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                shown = true;
                popup->close();
            }
        });
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(4, 4), cell->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(cell, &request);
        QCoreApplication::processEvents();
        return shown;
    };
    struct Case {
        const char* cell;
        int row;
        bool menu;
    };
    const Case cases[] = {
        {"rx", 1, false},                                            // kept for the trunking board
        {"rx", 4, true},     {"tx", 2, true},      {"tx", 3, false}, // no TX frequency
        {"power", 2, false}, {"decode", 2, false},
    };
    OpenBandOne([](RadioImage& image) {
        Program(image, 2, "146.52", "146.52");
        Program(image, 3, "147");
        image.SetByte(layout::kPortMode, layout::kTrunkingPortMode);
        image.SetByte(layout::kTrunkingGroups, 1);
    });
    for (const Case& c : cases)
        EXPECT_EQ(showsMenu(Cell(c.cell, c.row)), c.menu) << c.cell << c.row;

    Activate(); // the menus took the activation
    Click("rx", 4);
    QTest::mouseClick(Cell("power", 2), Qt::RightButton);
    EXPECT_EQ(OpenList(), nullptr);
    EXPECT_EQ(FocusName(), "rx4");
}

TEST_F(ChannelGridViewTest, RestoredFocusFallsBackToAnRxCellThatCanBeUsed) {
    struct Case {
        const char* cell;
        int row;
        std::function<void(RadioImage&)> change; // made outside the grid
        const char* restored;
        int currentRow;
    };
    const Case cases[] = {
        {"power", 1, [](RadioImage&) {}, "power1List", 1},
        {"power", 1, [](RadioImage& image) { Program(image, 1, ""); }, "rx1", 1},
        {"encode", 1, [](RadioImage& image) { ParseTxFrequency(image, 1, ""); }, "rx1", 1},
        {"scan", 6, [](RadioImage& image) { Program(image, 6, ""); }, "rx6", 6},
        {"tx", 6, [](RadioImage& image) { image.SetByte(layout::kProgrammableKey1, 0); }, "rx1", 1},
        {"rx", 7, [](RadioImage& image) { image.SetModelString("MDL1A"); }, "rx1", 1}, // one group now
    };
    for (const Case& c : cases) {
        Open("MDL1B", 0x11, [](RadioImage& image) {
            image.SetByte(layout::kProgrammableKey1, 11);
            Program(image, 1, "146.52", "146.52");
            Program(image, 6, "150", "150");
        });
        Click(c.cell, c.row);
        m_view->CloseCellLists();
        c.change(m_session.image);
        Reload();
        m_view->RestoreFocus();
        EXPECT_EQ(FocusName(), c.restored) << c.cell << c.row;
        EXPECT_EQ(m_view->CurrentRow(), c.currentRow) << c.cell << c.row;
    }
}

TEST_F(ChannelGridViewTest, ClosingTheListsForANewImageStoresNothing) {
    OpenBandOne([](RadioImage& image) { Program(image, 1, "146.52", "146.52"); });
    QSignalSpy edited(m_view.get(), &CRQ7150View::imageEdited);
    Click("decode", 1);
    Type("67");
    m_view->CloseCellLists();
    EXPECT_EQ(OpenList(), nullptr);
    EXPECT_EQ(Cell("decode", 1)->text(), Text(1001023));
    EXPECT_EQ(edited.count(), 0);
    EXPECT_EQ(m_view->CurrentRow(), 1);
    m_view->RestoreFocus();
    ASSERT_NE(OpenList(), nullptr);
    EXPECT_EQ(OpenList()->currentText(), Text(1001023));
}

TEST_F(ChannelGridViewTest, ToneListClosedWithoutAChoiceShowsTheStoredToneAgain) {
    OpenBandOne([](RadioImage& image) { Program(image, 1, "146.52", "146.52"); });
    Click("decode", 1);
    Type("12");
    CellList* list = OpenList();
    ASSERT_NE(list, nullptr);
    list->showPopup();
    list->hidePopup();
    QCoreApplication::processEvents();
    EXPECT_EQ(list->currentText(), Text(1001023));
}

TEST_F(ChannelGridViewTest, OpenListTakesTheValueOfAnImageReplacedUnderIt) {
    OpenBandOne([](RadioImage& image) { Program(image, 1, "146.52", "146.52"); });
    Click("encode", 1);
    Type("67");
    m_session.image.SetWord(RecordByte(1, 0xA), 885); // 88.5 Hz, as a radio read might bring
    m_view->RefreshAllTexts();
    EXPECT_EQ(OpenList()->currentText(), "88.5");
    Press(Qt::Key_Tab);
    EXPECT_EQ(m_session.image.Word(RecordByte(1, 0xA)), 885);
    EXPECT_EQ(Cell("encode", 1)->text(), "88.5");
}

TEST_F(ChannelGridViewTest, HeadingsAndChoicesFitTheirColumnsAndTheGridFitsTheWindow) {
    Open("MDL1B", 0x11, [](RadioImage& image) { Program(image, 1, "146.52", "146.52"); });
    const QWidget* rx = Cell("rx", 1);
    EXPECT_GE(rx->width(), rx->fontMetrics().horizontalAdvance(Text(kTrunkedChannel)));
    for (const char* name :
         {"rx", "tx", "decode", "encode", "power", "wideNarrow", "scan", "option", "details"}) {
        const QWidget* cell = Cell<QWidget>(name, 1);
        for (int row = 2; row <= 8; ++row)
            EXPECT_EQ(Cell<QWidget>(name, row)->geometry().x(), cell->geometry().x()) << name << row;
        EXPECT_EQ(cell->height(), rx->height()) << name;
    }
    for (const char* name : {"decode", "power", "wideNarrow", "scan", "option"}) {
        Click(name, 1);
        ASSERT_NE(OpenList(), nullptr) << name;
        EXPECT_GE(OpenList()->width(), OpenList()->sizeHint().width()) << name;
        EXPECT_EQ(OpenList()->geometry(), Cell(name, 1)->geometry()) << name;
    }
    for (QLabel* label : m_view->findChildren<QLabel*>())
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    // Room left for the menu, the toolbar and the status bar of an 800 x 600 window.
    EXPECT_LE(m_view->sizeHint().width(), 800);
    EXPECT_LE(m_view->sizeHint().height(), 480);
}

} // namespace
} // namespace rpx::gui
