// The memory map dialog: the image as a grid of hexadecimal bytes, edited through an overlay editor.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <variant>

#include "gui/link/memory_map_dialog.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

// Typed text, or one key without text.
using KeyStep = std::variant<QString, Qt::Key>;

constexpr int kLastRow = 127; // addresses 0x000..0x00F
constexpr int kLastColumn = 15;

RadioImage AddressPattern() {
    RadioImage image;
    for (std::size_t address = 0; address < RadioImage::kSize; ++address)
        image.SetByte(address, static_cast<uint8_t>(address * 7 + 0x21));
    return image;
}

// The dialog open over an image, active, as the user finds it.
class OpenMemoryMap {
public:
    explicit OpenMemoryMap(RadioImage& image)
        : dialog(image, test::ShippedTexts(), nullptr), grid(dialog.findChild<QTableWidget*>()) {
        dialog.show();
        dialog.activateWindow();
        QCoreApplication::processEvents();
    }

    QString Cell(int row, int column) const { return grid->item(row, column)->text(); }
    QString Header(Qt::Orientation orientation, int section) const {
        return grid->model()->headerData(section, orientation).toString();
    }
    // The address display.
    QString Address() const {
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            if (label->text().size() == 4)
                return label->text();
        return {};
    }
    bool GridHasFocus() const { return QApplication::focusWidget() == grid; }

    // Each key goes where the user's key would: to the widget that has the focus by then.
    void Press(const std::vector<KeyStep>& steps) {
        for (const KeyStep& step : steps) {
            if (const auto* text = std::get_if<QString>(&step)) {
                for (const QChar character : *text)
                    QTest::keyClick(FocusWidget(), character.toLatin1());
            } else {
                QTest::keyClick(FocusWidget(), std::get<Qt::Key>(step));
            }
            // Enter in the editor commits through a queued call.
            QCoreApplication::processEvents();
        }
    }
    QWidget* FocusWidget() const {
        QWidget* focus = QApplication::focusWidget();
        EXPECT_NE(focus, nullptr);
        return focus != nullptr ? focus : grid;
    }
    void ClickCell(int row, int column) {
        const QRect rect = grid->visualItemRect(grid->item(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void ClickButton(const QString& text) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == text)
                QTest::mouseClick(button, Qt::LeftButton);
    }

    MemoryMapDialog dialog;
    QTableWidget* grid;
};

TEST(MemoryMap, HeadersNameTheAddressesFromTheTopDown) {
    RadioImage image = AddressPattern();
    OpenMemoryMap map(image);
    const struct {
        Qt::Orientation orientation;
        int section;
        QString text;
    } cases[] = {
        {Qt::Vertical, 0, "07F-"},    {Qt::Vertical, 1, "07E-"},   {Qt::Vertical, 112, "00F-"},
        {Qt::Vertical, 127, "000-"},  {Qt::Horizontal, 0, "---0"}, {Qt::Horizontal, 10, "---A"},
        {Qt::Horizontal, 15, "---F"},
    };
    ASSERT_EQ(map.grid->rowCount(), 128);
    ASSERT_EQ(map.grid->columnCount(), 16);
    for (const auto& c : cases)
        EXPECT_EQ(map.Header(c.orientation, c.section), c.text) << c.section;
    EXPECT_EQ(map.dialog.windowTitle(), "Memory Map");
    EXPECT_EQ(map.dialog.property("helpContext").toInt(), 1370);
}

TEST(MemoryMap, CellsShowTheImageBytesWithAddressZeroAtTheBottomLeft) {
    RadioImage image = AddressPattern();
    OpenMemoryMap map(image);
    const struct {
        int row, column;
        std::size_t address;
    } cases[] = {{kLastRow, 0, 0x000}, {kLastRow, kLastColumn, 0x00F}, {kLastRow - 1, 3, 0x013},
                 {0, 0, 0x7F0},        {0, kLastColumn, 0x7FF},        {64, 9, 0x3F9}};
    for (const auto& c : cases) {
        EXPECT_EQ(map.Cell(c.row, c.column), QString::asprintf("%02X", image.Byte(c.address))) << c.address;
        EXPECT_EQ(map.grid->item(c.row, c.column)->textAlignment(), Qt::AlignCenter) << c.address;
    }
}

TEST(MemoryMap, OpensOnAddressZeroInView) {
    RadioImage image = AddressPattern();
    OpenMemoryMap map(image);
    EXPECT_EQ(map.grid->currentRow(), kLastRow);
    EXPECT_EQ(map.grid->currentColumn(), 0);
    EXPECT_EQ(map.Address(), "0000");
    EXPECT_TRUE(map.grid->viewport()->rect().contains(
        map.grid->visualItemRect(map.grid->item(kLastRow, kLastColumn))));
    EXPECT_EQ(map.grid->verticalScrollBar()->value(), map.grid->verticalScrollBar()->maximum());
}

TEST(MemoryMap, TypedCellIsCommittedWhenLeftAndStoredByOk) {
    const struct {
        const char* name;
        std::vector<KeyStep> keys;
        QString shown;
        uint8_t stored;
    } cases[] = {
        {"one digit gets a leading zero", {"a"}, "0A", 0x0A},
        {"two digits", {"3F"}, "3F", 0x3F},
        {"lower case is raised", {"c4"}, "C4", 0xC4},
        {"a third digit is cut off", {"5c7"}, "5C", 0x5C},
        {"backspace clears to FF", {Qt::Key_Backspace}, "FF", 0xFF},
        {"delete opens an empty editor", {Qt::Key_Delete, "1"}, "01", 0x01},
        {"enter selects the text, typing replaces it", {Qt::Key_Return, "b"}, "0B", 0x0B},
        {"escape restores the cell", {"9", Qt::Key_Escape}, "21", 0x21},
        {"a letter beyond F opens nothing", {"g"}, "21", 0x21},
        {"the editor takes hexadecimal digits only", {"1z"}, "01", 0x01},
    };
    for (const auto& c : cases) {
        RadioImage image = AddressPattern();
        OpenMemoryMap map(image);

        map.Press(c.keys);
        map.ClickCell(kLastRow, 1);
        EXPECT_EQ(map.Cell(kLastRow, 0), c.shown) << c.name;
        map.ClickButton("OK");

        EXPECT_EQ(map.dialog.result(), QDialog::Accepted) << c.name;
        RadioImage expected = AddressPattern();
        expected.SetByte(0x000, c.stored);
        EXPECT_EQ(image, expected) << c.name;
    }
}

TEST(MemoryMap, CancelStoresNothing) {
    RadioImage image = AddressPattern();
    OpenMemoryMap map(image);
    map.Press({"a"});
    map.ClickCell(kLastRow, 1);
    ASSERT_EQ(map.Cell(kLastRow, 0), "0A");

    map.ClickButton("Cancel");

    EXPECT_EQ(map.dialog.result(), QDialog::Rejected);
    EXPECT_EQ(image, AddressPattern());
}

TEST(MemoryMap, OkStoresEveryCellAsShown) {
    RadioImage image = AddressPattern();
    OpenMemoryMap map(image);
    map.Press({Qt::Key_Backspace});
    map.ClickCell(kLastRow - 1, 4);
    map.Press({"7e", Qt::Key_Return});

    map.ClickButton("OK");

    RadioImage expected = AddressPattern();
    expected.SetByte(0x000, 0xFF);
    expected.SetByte(0x014, 0x7E);
    EXPECT_EQ(image, expected);
}

TEST(MemoryMap, OkStoresTheTextOfAnEditorStillOpen) {
    RadioImage image = AddressPattern();
    OpenMemoryMap map(image);
    map.Press({"c"});

    // Some styles' buttons take no focus when clicked, so the editor is not left first.
    for (QPushButton* button : map.dialog.findChildren<QPushButton*>())
        if (button->text() == "OK")
            button->click();

    EXPECT_EQ(image.Byte(0x000), 0x0C);
}

TEST(MemoryMap, OkRefusesACellThatIsNoByteAndPointsAtIt) {
    RadioImage image = AddressPattern();
    OpenMemoryMap map(image);
    map.grid->item(100, 7)->setText("G1");

    map.ClickButton("OK");

    EXPECT_TRUE(map.dialog.isVisible());
    EXPECT_EQ(map.grid->currentRow(), 100);
    EXPECT_EQ(map.grid->currentColumn(), 7);
    EXPECT_EQ(image, AddressPattern());
}

TEST(MemoryMap, MovesInAddressOrderAcrossRowEnds) {
    RadioImage image = AddressPattern();
    OpenMemoryMap map(image);
    const struct {
        const char* name;
        int row, column;
        std::vector<KeyStep> keys;
        int toRow, toColumn;
        QString address;
    } cases[] = {
        {"right inside a line", kLastRow, 5, {Qt::Key_Right}, kLastRow, 6, "0006"},
        {"right at a line end", kLastRow, kLastColumn, {Qt::Key_Right}, kLastRow - 1, 0, "0010"},
        {"right at the last address", 0, kLastColumn, {Qt::Key_Right}, 0, kLastColumn, "07FF"},
        {"left at a line start", kLastRow - 1, 0, {Qt::Key_Left}, kLastRow, kLastColumn, "000F"},
        {"left at address zero", kLastRow, 0, {Qt::Key_Left}, kLastRow, 0, "0000"},
        {"up as the grid moves", kLastRow, 2, {Qt::Key_Up}, kLastRow - 1, 2, "0012"},
        {"enter in the editor", kLastRow, 3, {Qt::Key_Return, Qt::Key_Return}, kLastRow, 4, "0004"},
        {"enter at a line end", 64, kLastColumn, {"1", Qt::Key_Enter}, 63, 0, "0400"},
        {"up in the editor moves nothing",
         kLastRow,
         2,
         {"1", Qt::Key_Up, Qt::Key_Return},
         kLastRow,
         3,
         "0003"},
        {"enter at the last address",
         0,
         kLastColumn,
         {Qt::Key_Return, Qt::Key_Return},
         0,
         kLastColumn,
         "07FF"},
    };
    for (const auto& c : cases) {
        map.grid->setCurrentCell(c.row, c.column);
        map.Press(c.keys);
        EXPECT_EQ(map.grid->currentRow(), c.toRow) << c.name;
        EXPECT_EQ(map.grid->currentColumn(), c.toColumn) << c.name;
        EXPECT_EQ(map.Address(), c.address) << c.name;
        EXPECT_TRUE(map.GridHasFocus()) << c.name << ": editor left open";
        EXPECT_TRUE(map.dialog.isVisible()) << c.name << ": a key closed the dialog";
    }
}

} // namespace
} // namespace rpx::gui
