#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
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
        QWidget* focus = Focus();
        for (QWidget* widget = focus; widget != nullptr; widget = widget->parentWidget())
            if (qobject_cast<CellList*>(widget))
                return widget->objectName();
        return focus != nullptr ? focus->objectName() : QString();
    }

    void Click(const char* name, int row) { QTest::mouseClick(Cell<QWidget>(name, row), Qt::LeftButton); }
    // The widget that has the focus, or gets it back once the window is active again: offscreen, a
    // closed item list leaves no window active.
    QWidget* Focus() const {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus : m_view->focusWidget();
    }
    void Type(const char* keys) { QTest::keyClicks(Focus(), keys); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(Focus(), key, modifiers);
    }
    int Edits() const { return static_cast<int>(m_edited->count()); }
    // The RX texts of rows 1..4, "-" for an empty one.
    QString GroupOne() const {
        QStringList texts;
        for (int row = 1; row <= 4; ++row)
            texts << (Cell("rx", row)->text().isEmpty() ? QString("-") : Cell("rx", row)->text());
        return texts.join(' ');
    }

    // Each modal dialog that opens from now on goes to the next handler, which closes it.
    using DialogHandler = std::function<void(QDialog&)>;
    void OnDialogs(std::initializer_list<DialogHandler> handlers) {
        m_dialogHandlers.assign(handlers);
        m_dialogPoll = std::make_unique<QTimer>();
        QObject::connect(m_dialogPoll.get(), &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || m_dialogHandlers.empty())
                return;
            const DialogHandler handler = m_dialogHandlers.front();
            m_dialogHandlers.pop_front();
            handler(*dialog);
        });
        m_dialogPoll->start(5);
    }
    std::size_t DialogsLeft() const { return m_dialogHandlers.size(); }
    // The view active again after a dialog closed, as the window manager makes it.
    void Reactivate() {
        QApplication::setActiveWindow(m_view.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_view.get()));
    }

    Session m_session;
    test::ScriptedMessenger m_messenger;
    Notifier m_notifier{m_messenger, test::ShippedTexts()};
    std::unique_ptr<CRQ7150View> m_view;
    std::unique_ptr<QSignalSpy> m_edited;
    std::deque<DialogHandler> m_dialogHandlers;
    std::unique_ptr<QTimer> m_dialogPoll;
};

// Types keys into a dialog's field, replacing its text.
void Retype(QWidget* field, const char* keys) {
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, keys);
}

// The field loses the focus, whether or not its window is active.
void Leave(QWidget* field) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &out);
}

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

    Type("d023n");         // replaces the selected text
    Press(Qt::Key_Return); // the list is not dropped: the typed tone is stored, the focus moves on
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
    Click("rx", 1);
    // The whole text selected first, then cut, paste, delete to the end, backspace and undo.
    const QKeyCombination keys[] = {Qt::Key_End,          Qt::SHIFT | Qt::Key_Home,
                                    Qt::CTRL | Qt::Key_X, Qt::SHIFT | Qt::Key_Delete,
                                    Qt::Key_Home,         Qt::CTRL | Qt::Key_K,
                                    Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert,
                                    Qt::CTRL | Qt::Key_H, Qt::Key_End,
                                    Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_Backspace};
    for (QKeyCombination key : keys)
        Press(key.key(), key.keyboardModifiers());
    EXPECT_EQ(Cell("rx", 1)->text(), "146.01250");
    EXPECT_FALSE(Cell("rx", 1)->isModified());
    Click("decode", 1);
    Type("67");
    for (QKeyCombination key : keys)
        Press(key.key(), key.keyboardModifiers());
    EXPECT_EQ(OpenList()->currentText(), "67");
    Click("rx", 1);

    Press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Cell("rx", 1)->text(), "147.00000");
    EXPECT_EQ(Cell("rx", 2)->text(), "");
    EXPECT_EQ(FocusName(), "rx1");
    EXPECT_TRUE(m_messenger.ShownIds().empty());
    EXPECT_EQ(Edits(), 2); // the tone, then the deletion
}

TEST_F(ChannelGridViewTest, TabAndShiftTabStepOverDisabledCellsAndShiftTabWrapsFromRx) {
    struct Case {
        const char* model;
        bool group2; // a programmable key holds code 11
        const char* from;
        int row;
        Qt::Key key;
        const char* to;
    };
    const Case cases[] = {
        {"MDL1A", false, "rx", 3, Qt::Key_Tab, "details3"},           // empty channel: TX disabled
        {"MDL1A", false, "power", 2, Qt::Key_Backtab, "decode2List"}, // no TX: encode disabled
        {"MDL1A", false, "tx", 1, Qt::Key_Backtab, "rx1"},
        {"MDL1A", false, "rx", 2, Qt::Key_Backtab, "details1"},
        {"MDL1A", false, "rx", 1, Qt::Key_Backtab, "details4"},
        {"MDL1B", false, "rx", 1, Qt::Key_Backtab, "details4"}, // group 2 shown but disabled
        {"MDL1B", true, "rx", 1, Qt::Key_Backtab, "details8"},
        {"MDL1B", false, "details", 4, Qt::Key_Tab, "rx1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.model) + " " + c.from + std::to_string(c.row));
        Open(
            [&](RadioImage& image) {
                ProgramOne(image);
                Program(image, 2, "147");
                if (c.group2)
                    image.SetByte(layout::kProgrammableKey1, 11);
            },
            c.model);
        Click(c.from, c.row);
        Press(c.key);
        EXPECT_EQ(FocusName(), c.to);
    }
}

TEST_F(ChannelGridViewTest, DroppedToneListTakesEnterAndGivesTheStoredToneBackWhenClosedWithoutChoice) {
    Open(ProgramOne);
    Click("decode", 1);
    CellList* list = OpenList();
    ASSERT_NE(list, nullptr);
    Type("10");
    list->showPopup();
    Press(Qt::Key_Escape); // closed without a choice
    QCoreApplication::processEvents();
    EXPECT_EQ(list->currentText(), Text(kNoTone));
    EXPECT_EQ(Edits(), 0);

    list->showPopup();
    Press(Qt::Key_Down);
    Press(Qt::Key_Return); // the key goes to the list: the item is chosen
    QCoreApplication::processEvents();
    Reactivate(); // offscreen, the closed item list leaves no window active
    EXPECT_EQ(FormatTone(m_session.image, 1, Direction::Rx, test::ShippedTexts()), "67.0");
    EXPECT_EQ(FocusName(), "decode1List");
    EXPECT_FALSE(list->view()->isVisible());
    EXPECT_EQ(Edits(), 1);
}

TEST_F(ChannelGridViewTest, RowCommandsRunFromBothKeysOnTheFocusedRow) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool fullGroup;
        const char* rows; // rows 1..4 afterwards
        const char* focus;
        int edits;
        const char* typed = ""; // into TX 2 before the key
    };
    const Case cases[] = {
        {Qt::Key_D, Qt::ControlModifier, false, "146.10000 146.30000 - -", "tx2", 1},
        {Qt::Key_F10, Qt::ShiftModifier, false, "146.10000 146.30000 - -", "tx2", 1},
        {Qt::Key_D, Qt::ControlModifier, false, "146.10000 146.30000 - -", "tx2", 1,
         "300"}, // dropped, no warning
        {Qt::Key_I, Qt::ControlModifier, false, "146.10000 - 146.20000 146.30000", "rx2", 1},
        {Qt::Key_F9, Qt::ShiftModifier, false, "146.10000 - 146.20000 146.30000", "rx2", 1},
        {Qt::Key_I, Qt::ControlModifier, true, "146.10000 146.20000 146.30000 146.40000", "tx2",
         0},                                                                                     // no room
        {Qt::Key_Insert, Qt::ShiftModifier, false, "146.10000 146.20000 146.30000 -", "tx2", 0}, // swallowed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key | c.modifiers).toString().toStdString() +
                     (c.fullGroup ? " full" : ""));
        Open([&](RadioImage& image) {
            for (int row = 1; row <= (c.fullGroup ? 4 : 3); ++row)
                Program(image, row, ("146." + std::to_string(row)).c_str(), "147");
        });
        QApplication::clipboard()->setText("9");
        Click("tx", 2);
        Press(Qt::Key_End);
        Press(Qt::Key_Home, Qt::ShiftModifier);
        Type(c.typed);
        Press(c.key, c.modifiers);
        EXPECT_EQ(GroupOne(), c.rows);
        EXPECT_TRUE(m_messenger.ShownIds().empty());
        EXPECT_EQ(Cell("tx", 2)->text(), c.rows[10] == '-' ? QString() : QString("147.00000"));
        EXPECT_EQ(FocusName(), c.focus);
        EXPECT_EQ(Edits(), c.edits);
    }
}

TEST_F(ChannelGridViewTest, CopyDialogCorrectsItsFieldsAndComesBackUntilCancelled) {
    Open(
        [](RadioImage& image) {
            ProgramOne(image);
            image.SetByte(layout::kProgrammableKey2, 11);
        },
        "MDL1B");
    const auto target = [](QDialog& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); };
    OnDialogs({[&](QDialog& dialog) {
                   EXPECT_EQ(target(dialog, "targetGroup")->text(), "1"); // the source the first time
                   Retype(target(dialog, "targetGroup"), "7");
                   Leave(target(dialog, "targetGroup"));
                   EXPECT_EQ(target(dialog, "targetGroup")->text(), "2");
                   Retype(target(dialog, "targetChannel"), "0");
                   Leave(target(dialog, "targetChannel"));
                   EXPECT_EQ(target(dialog, "targetChannel")->text(), "1");
                   dialog.accept();
               },
               [&](QDialog& dialog) {
                   EXPECT_EQ(target(dialog, "targetChannel")->text(), "1"); // the last target
                   Retype(target(dialog, "targetChannel"), "9");
                   dialog.accept();
               },
               [](QDialog& dialog) { dialog.reject(); },
               [&](QDialog& dialog) {
                   EXPECT_EQ(target(dialog, "targetGroup")->text(), "2");
                   EXPECT_EQ(target(dialog, "targetChannel")->text(), "4");
                   dialog.reject();
               }});
    Click("rx", 1);
    Press(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(Cell("rx", 5)->text(), "146.52000");
    EXPECT_EQ(Cell("rx", 8)->text(), "146.52000");
    EXPECT_EQ(Cell("rx", 6)->text(), "");
    Reactivate();
    Press(Qt::Key_F3, Qt::ShiftModifier);
    Reactivate();
    EXPECT_EQ(DialogsLeft(), 0u);
    EXPECT_EQ(FocusName(), "rx1");
}

TEST_F(ChannelGridViewTest, TxFrequencyAndEncodeToneDialogsStoreWhatTheyAreGiven) {
    Open(ProgramOne);
    OnDialogs({[](QDialog& dialog) {
                   auto* field = dialog.findChild<QLineEdit*>("txFrequency");
                   EXPECT_EQ(field->text(), "146.52000");
                   Retype(field, "14.7.5"); // a "." only as the fourth character
                   EXPECT_EQ(field->text(), "147.5");
                   dialog.accept();
               },
               [](QDialog& dialog) {
                   Retype(dialog.findChild<QComboBox*>("encodeTone"), "d023n");
                   dialog.accept();
               }});
    Click("rx", 1);
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(Cell("tx", 1)->text(), "147.50000");
    Reactivate();
    Press(Qt::Key_F5, Qt::ShiftModifier);
    Reactivate();
    EXPECT_EQ(Cell("encode", 1)->text(), "D023N");
    EXPECT_EQ(DialogsLeft(), 0u);
}

// Releasing references on commits and row deletions is the editor's test; here, the group copy.
TEST_F(ChannelGridViewTest, GroupCopyReleasesReferencesToTheChannelsItEmpties) {
    Open(
        [](RadioImage& image) {
            Program(image, 2, "146.52", "146.52");
            image.SetByte(layout::kDataChannel, 3); // empty already
            image.SetByte(layout::kEmergencyChannel, 7);
            image.SetByte(layout::kProgrammableKey2, 11);
        },
        "MDL1B");
    // The group copy empties channels 5, 7 and 8.
    OnDialogs({[](QDialog& dialog) { dialog.accept(); }});
    Click("rx", 2);
    Press(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(m_messenger.ShownIds(), (std::vector<TextId>{3003045, 3003027}));
    EXPECT_EQ(Cell("rx", 6)->text(), "146.52000");
    EXPECT_EQ(Cell("rx", 7)->text(), "");
    EXPECT_EQ(m_session.image.Byte(layout::kEmergencyChannel), 0);
    EXPECT_EQ(DialogsLeft(), 0u);
}

// F10 on a trunking row is the main window's test, through to the dialog it opens.
TEST_F(ChannelGridViewTest, DetailsButtonAndF10AskForTheRowsChannelDialog) {
    Open(ProgramOne);
    QSignalSpy details(m_view.get(), &CRQ7150View::detailRequested);
    Click("rx", 3);
    Press(Qt::Key_F10);
    EXPECT_EQ(FocusName(), "details3");
    Click("details", 1);
    ASSERT_EQ(details.count(), 2);
    EXPECT_EQ(std::pair(details[0][0].toInt(), details[1][0].toInt()), std::pair(3, 1));
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
