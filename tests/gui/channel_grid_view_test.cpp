#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

#include "core/editor/channel_flags.h"
#include "core/editor/frequency_text.h"
#include "core/editor/tone_text.h"
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
constexpr TextId kNoTone = 1001023;

void Program(RadioImage& image, int channel, const char* rx, const char* tx = "") {
    ParseRxFrequency(image, channel, rx);
    ParseTxFrequency(image, channel, tx);
}

void ProgramOne(RadioImage& image) {
    Program(image, 1, "146.52", "146.52");
}

QString Text(TextId id) {
    return Tr(test::ShippedTexts(), id);
}

class ChannelGridViewTest : public ::testing::Test {
protected:
    // A shown and active view over a new image (band 1, 146..174 MHz), after prepare has changed it.
    void Open(const std::function<void(RadioImage&)>& prepare = {}, const char* model = "MDL1A") {
        m_session.image = test::NewImage(model, 0x11);
        m_messenger.Clear();
        if (prepare)
            prepare(m_session.image);
        m_view = std::make_unique<CRQ7150View>(m_session, m_notifier);
        m_view->OnInitialUpdate();
        m_view->show();
        m_view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_view.get()));
        m_edited = std::make_unique<QSignalSpy>(m_view.get(), &CRQ7150View::imageEdited);
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
    int Edits() const { return static_cast<int>(m_edited->count()); }

    Session m_session;
    test::ScriptedMessenger m_messenger;
    Notifier m_notifier{m_messenger, test::ShippedTexts()};
    std::unique_ptr<CRQ7150View> m_view;
    std::unique_ptr<QSignalSpy> m_edited;
};

TEST_F(ChannelGridViewTest, GroupTwoRowsFollowTheModelAndAKeyWithFunctionCode11) {
    struct Case {
        const char* model;
        std::size_t keyWithCode11; // 0: neither key
        bool shown;
        bool enabled;
    };
    const Case cases[] = {{"MDL1A", 0, false, false},
                          {"MDL1B", 0, true, false},
                          {"MDL1B", layout::kProgrammableKey1, true, true},
                          {"MDL1B", layout::kProgrammableKey2, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.model) + " key at " + std::to_string(c.keyWithCode11));
        Open(
            [&](RadioImage& image) {
                if (c.keyWithCode11 != 0)
                    image.SetByte(c.keyWithCode11, 11);
                Program(image, 5, "146.52");
            },
            c.model);
        for (const char* header : {"group1Header", "group2Header"})
            EXPECT_EQ(m_view->findChild<QWidget*>(header)->isVisible(), c.shown) << header;
        for (int row = 1; row <= 8; ++row)
            for (const char* name :
                 {"rowNumber", "rx", "tx", "decode", "encode", "scan", "option", "details"})
                EXPECT_EQ(Cell<QWidget>(name, row)->isVisible(), row <= 4 || c.shown) << name << row;
        for (const char* name : {"rx5", "tx5", "scan5", "rx8"}) // rx8: an empty channel
            EXPECT_EQ(m_view->findChild<QWidget*>(name)->isEnabled(), c.enabled) << name;
    }
}

TEST_F(ChannelGridViewTest, EncodeCellWaitsForATxFrequencyAndATypedToneIsStored) {
    Open();
    RadioImage expected = m_session.image;
    Program(expected, 1, "146.52", "147");
    ParseToneText(expected, 1, Direction::Rx, "D023N");
    Click("rx", 1);
    Type("146.52");
    Press(Qt::Key_Tab);
    EXPECT_EQ(FocusName(), "tx1");
    EXPECT_FALSE(Cell("encode", 1)->isEnabled());
    EXPECT_EQ(Cell("encode", 1)->text(), "");
    EXPECT_EQ(Cell("decode", 1)->text(), Text(kNoTone));

    Type("147");
    Press(Qt::Key_Tab);
    EXPECT_TRUE(Cell("encode", 1)->isEnabled());
    EXPECT_EQ(Cell("encode", 1)->text(), Text(kNoTone));
    ASSERT_EQ(FocusName(), "decode1List"); // TX is followed by the tones, not the next row

    Type("d023n"); // replaces the selected text
    Press(Qt::Key_Return);
    EXPECT_EQ(Cell("decode", 1)->text(), "D023N");
    EXPECT_EQ(FocusName(), "encode1List");
    EXPECT_EQ(OpenList()->currentText(), Text(kNoTone));
    EXPECT_TRUE(m_session.image == expected);
    EXPECT_EQ(Edits(), 3);
}

TEST_F(ChannelGridViewTest, TypedFrequencyIsCommittedOnceWhenTheCellIsLeft) {
    struct Case {
        const char* typed;
        Qt::Key leave; // Key_unknown: a click on another row
        const char* shown;
        std::vector<TextId> warnings;
    };
    const Case cases[] = {
        {"146.52", Qt::Key_Tab, "146.52000", {}},
        {"146", Qt::Key_Return, "146.00000", {}},
        {"146.5225", Qt::Key_unknown, "146.52250", {}},
        {"1a4 6-.5x", Qt::Key_Tab, "146.50000", {}},     // letters never reach the cell
        {"146.5000012", Qt::Key_Tab, "146.50000", {}},   // nine characters at most
        {"200", Qt::Key_Tab, "200.00000", {kOutOfBand}}, // stored all the same
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Open();
        RadioImage expected = m_session.image;
        ParseRxFrequency(expected, 1, c.shown);
        Click("rx", 1);
        Type(c.typed);
        if (c.leave == Qt::Key_unknown)
            Click("rx", 3);
        else
            Press(c.leave);
        EXPECT_EQ(Cell("rx", 1)->text(), c.shown);
        EXPECT_EQ(FocusName(), c.leave == Qt::Key_unknown ? "rx3" : "tx1");
        EXPECT_TRUE(m_session.image == expected);
        EXPECT_EQ(m_messenger.ShownIds(), c.warnings);

        // Visiting the cell again without changing the text neither stores nor warns.
        m_messenger.Clear();
        Click("rx", 1);
        Press(Qt::Key_Tab);
        Press(Qt::Key_Backtab);
        Click("rx", 2);
        EXPECT_TRUE(m_messenger.ShownIds().empty());
        EXPECT_EQ(Edits(), 1);
    }
}

TEST_F(ChannelGridViewTest, ControlKeysNeverEditAFrequencyCellAndCtrlDDeletesTheRow) {
    Open([](RadioImage& image) {
        Program(image, 1, "146.0125");
        Program(image, 2, "147");
    });
    QApplication::clipboard()->setText("9");
    Click("rx", 1); // selects the whole text
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_X, Qt::ControlModifier},
                                                              {Qt::Key_Delete, Qt::ShiftModifier},
                                                              {Qt::Key_Home, {}},
                                                              {Qt::Key_K, Qt::ControlModifier},
                                                              {Qt::Key_V, Qt::ControlModifier},
                                                              {Qt::Key_Insert, Qt::ShiftModifier},
                                                              {Qt::Key_H, Qt::ControlModifier},
                                                              {Qt::Key_End, {}},
                                                              {Qt::Key_Z, Qt::ControlModifier},
                                                              {Qt::Key_Backspace, Qt::ControlModifier}};
    for (const auto& [key, modifiers] : keys)
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    EXPECT_EQ(Cell("rx", 1)->text(), "146.01250");
    EXPECT_FALSE(Cell("rx", 1)->isModified());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Cell("rx", 1)->text(), "147.00000");
    EXPECT_EQ(Cell("rx", 2)->text(), "");
    EXPECT_EQ(FocusName(), "rx1");
    EXPECT_TRUE(m_messenger.ShownIds().empty());
    EXPECT_EQ(Edits(), 1);
}

TEST_F(ChannelGridViewTest, FlagChoiceIsStoredAtOnceAndShownWhenTheListIsLeft) {
    struct Case {
        const char* cell;
        ChannelFlag flag;
        Qt::Key key;
        bool set;         // after the key
        const char* next; // where Tab goes
    };
    const Case cases[] = {{"power", ChannelFlag::Power, Qt::Key_Up, false, "wideNarrow1List"},
                          {"wideNarrow", ChannelFlag::WideNarrow, Qt::Key_Up, false, "scan1List"},
                          {"scan", ChannelFlag::Scan, Qt::Key_Up, false, "option1List"},
                          {"option", ChannelFlag::Option, Qt::Key_Down, true, "details1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        Open(ProgramOne);
        RadioImage expected = m_session.image;
        SetFlag(expected, 1, c.flag, c.set);
        Click(c.cell, 1);
        CellList* list = OpenList();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->currentIndex(), c.set ? 0 : 1); // the stored value before the key
        QTest::keyClick(list, c.key);
        EXPECT_TRUE(m_session.image == expected);
        Press(Qt::Key_Tab);
        EXPECT_EQ(Cell(c.cell, 1)->text(), Text(FlagText(expected, 1, c.flag)));
        EXPECT_EQ(FocusName(), c.next);
        EXPECT_EQ(Edits(), 1);
    }
}

TEST_F(ChannelGridViewTest, TrunkingRowsShowTheTrunkingTextAndRefuseFrequencies) {
    Open([](RadioImage& image) {
        for (int channel = 1; channel <= 4; ++channel)
            Program(image, channel, "146.52", "146.52");
        image.SetByte(layout::kPortMode, layout::kTrunkingPortMode);
        image.SetByte(layout::kTrunkingGroups, 2);
    });
    for (int row = 1; row <= 4; ++row) {
        const bool reserved = row <= 2;
        EXPECT_EQ(Cell("rx", row)->text(), reserved ? Text(kTrunkedChannel) : QString("146.52000")) << row;
        EXPECT_EQ(Cell("rx", row)->isReadOnly(), reserved) << row;
        EXPECT_EQ(Cell("tx", row)->isEnabled(), !reserved) << row;
    }
    const RadioImage before = m_session.image;
    Click("rx", 2);
    Type("150");
    Press(Qt::Key_Tab);
    EXPECT_EQ(Cell("rx", 2)->text(), Text(kTrunkedChannel));
    EXPECT_EQ(FocusName(), "details2"); // the reserved row's other cells are stepped over
    EXPECT_TRUE(m_session.image == before);
    EXPECT_EQ(Edits(), 0);
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
    const std::pair<const char*, bool> cases[] = {{"rx1", false}, // kept for the trunking board
                                                  {"rx4", true},     {"tx2", true},
                                                  {"tx3", false}, // no TX frequency
                                                  {"power2", false}, {"decode2", false}};
    Open([](RadioImage& image) {
        Program(image, 2, "146.52", "146.52");
        Program(image, 3, "147");
        image.SetByte(layout::kPortMode, layout::kTrunkingPortMode);
        image.SetByte(layout::kTrunkingGroups, 1);
    });
    for (const auto& [name, menu] : cases)
        EXPECT_EQ(showsMenu(m_view->findChild<QWidget*>(name)), menu) << name;

    m_view->activateWindow(); // the menus took the activation
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_view.get()));
    Click("rx", 4);
    QTest::mouseClick(Cell("power", 2), Qt::RightButton);
    EXPECT_EQ(OpenList(), nullptr);
    EXPECT_EQ(FocusName(), "rx4");
}

TEST_F(ChannelGridViewTest, ClosingTheListsForANewImageStoresNothing) {
    Open(ProgramOne);
    Click("decode", 1);
    Type("67");
    m_view->CloseCellLists();
    EXPECT_EQ(OpenList(), nullptr);
    EXPECT_EQ(Cell("decode", 1)->text(), Text(kNoTone));
    EXPECT_EQ(Edits(), 0);
    m_view->RestoreFocus();
    ASSERT_NE(OpenList(), nullptr);
    EXPECT_EQ(OpenList()->currentText(), Text(kNoTone));
}

TEST_F(ChannelGridViewTest, NoTextIsClippedAndTheGridFitsAn800By600Window) {
    Open(ProgramOne, "MDL1B");
    const QWidget* rx = Cell("rx", 1);
    EXPECT_GE(rx->width(), rx->fontMetrics().horizontalAdvance(Text(kTrunkedChannel)));
    for (const char* name : {"decode", "power", "wideNarrow", "scan", "option"}) {
        Click(name, 1);
        ASSERT_NE(OpenList(), nullptr) << name;
        EXPECT_GE(OpenList()->width(), OpenList()->sizeHint().width()) << name;
    }
    for (QLabel* label : m_view->findChildren<QLabel*>())
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    // Room left for the menu, the toolbar and the status bar of an 800 x 600 window.
    EXPECT_LE(m_view->sizeHint().width(), 800);
    EXPECT_LE(m_view->sizeHint().height(), 480);
}

} // namespace
} // namespace rpx::gui
