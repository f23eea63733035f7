// The memory map dialog: the image as a grid of hexadecimal bytes, edited through an overlay editor.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "gui/link/memory_map_dialog.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

constexpr int kLastRow = 127; // addresses 0x000..0x00F
constexpr int kLastColumn = 15;

RadioImage AddressPattern() {
    RadioImage image;
    for (std::size_t address = 0; address < RadioImage::kSize; ++address)
        image.SetByte(address, static_cast<uint8_t>(address * 7 + 0x21));
    return image;
}

// The dialog open over an image, active, as the user finds it.
class MemoryMapTest : public ::testing::Test {
protected:
    void SetUp() override { Open(); }
    void Open() {
        dialog.reset();
        image = AddressPattern();
        dialog = std::make_unique<MemoryMapDialog>(image, test::ShippedTexts(), nullptr);
        grid = dialog->findChild<QTableWidget*>();
        dialog->show();
        dialog->activateWindow();
        QCoreApplication::processEvents();
    }
    // The address display.
    QString Address() const { return dialog->findChild<QLabel*>()->text(); }
    // Each key goes where the user's key would: to the widget that has the focus by then.
    void Press(const std::vector<Qt::Key>& keys) {
        for (const Qt::Key key : keys) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCoreApplication::processEvents(); // Enter in the editor commits through a queued call
        }
    }
    // Some styles' buttons take no focus when clicked, so an open editor is not left first.
    void ClickButton(const QString& text) {
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == text)
                button->click();
    }

    RadioImage image;
    std::unique_ptr<MemoryMapDialog> dialog;
    QTableWidget* grid = nullptr;
};

TEST_F(MemoryMapTest, HeadersAndCellsShowTheAddressesFromTheTopDownAndAddressZeroIsInView) {
    const struct {
        int row, column;
        QString rowHeader, columnHeader;
        std::size_t address;
    } cells[] = {
        {kLastRow, 0, "000-", "---0", 0x000},
        {kLastRow - 1, 3, "001-", "---3", 0x013},
        {64, 10, "03F-", "---A", 0x3FA},
        {0, kLastColumn, "07F-", "---F", 0x7FF},
    };
    for (const auto& c : cells) {
        EXPECT_EQ(grid->model()->headerData(c.row, Qt::Vertical).toString(), c.rowHeader) << c.address;
        EXPECT_EQ(grid->model()->headerData(c.column, Qt::Horizontal).toString(), c.columnHeader)
            << c.address;
        EXPECT_EQ(grid->item(c.row, c.column)->text(), QString::asprintf("%02X", image.Byte(c.address)))
            << c.address;
    }
    EXPECT_EQ(grid->currentRow(), kLastRow);
    EXPECT_EQ(grid->currentColumn(), 0);
    EXPECT_EQ(Address(), "0000");
    EXPECT_EQ(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->maximum());
}

TEST_F(MemoryMapTest, OkStoresTheTypedCellAndCancelStoresNothing) {
    const struct {
        const char* name;
        std::vector<Qt::Key> keys;
        bool leaveCell; // otherwise the button is pressed with the editor still open
        bool ok;
        QString shown;
        uint8_t stored;
    } cases[] = {
        {"one digit gets a leading zero", {Qt::Key_A}, true, true, "0A", 0x0A},
        {"lower case is raised", {Qt::Key_C, Qt::Key_4}, false, true, "C4", 0xC4},
        {"a third digit is cut off", {Qt::Key_5, Qt::Key_C, Qt::Key_7}, true, true, "5C", 0x5C},
        {"backspace clears to FF", {Qt::Key_Backspace}, true, true, "FF", 0xFF},
        {"delete opens an empty editor", {Qt::Key_Delete, Qt::Key_1}, false, true, "01", 0x01},
        {"enter selects the text, typing replaces it", {Qt::Key_Return, Qt::Key_B}, true, true, "0B", 0x0B},
        {"escape restores the cell", {Qt::Key_9, Qt::Key_Escape}, true, true, "A6", 0xA6},
        {"a letter beyond F opens nothing", {Qt::Key_G}, false, true, "A6", 0xA6},
        {"the editor takes hexadecimal digits only", {Qt::Key_1, Qt::Key_Z}, true, true, "01", 0x01},
        {"cancel", {Qt::Key_A}, true, false, "0A", 0xA6},
    };
    for (const auto& c : cases) {
        Open();
        grid->setCurrentCell(kLastRow - 1, 3); // address 0x013
        Press(c.keys);
        if (c.leaveCell)
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualItemRect(grid->item(kLastRow, 0)).center());
        ClickButton(c.ok ? "OK" : "Cancel");

        EXPECT_EQ(grid->item(kLastRow - 1, 3)->text(), c.shown) << c.name;
        EXPECT_EQ(dialog->result(), c.ok ? QDialog::Accepted : QDialog::Rejected) << c.name;
        RadioImage expected = AddressPattern();
        expected.SetByte(0x013, c.stored);
        EXPECT_EQ(image, expected) << c.name;
    }
}

TEST_F(MemoryMapTest, MovesInAddressOrderAcrossRowEnds) {
    const struct {
        const char* name;
        int row, column;
        std::vector<Qt::Key> keys;
        QString address;
    } cases[] = {
        {"right at a line end", kLastRow, kLastColumn, {Qt::Key_Right}, "0010"},
        {"right at the end", 0, kLastColumn, {Qt::Key_Right}, "07FF"},
        {"left at a line start", kLastRow - 1, 0, {Qt::Key_Left}, "000F"},
        {"left at address zero", kLastRow, 0, {Qt::Key_Left}, "0000"},
        {"up as the grid moves", kLastRow, 2, {Qt::Key_Up}, "0012"},
        {"enter in the editor", kLastRow, 3, {Qt::Key_Return, Qt::Key_Return}, "0004"},
        {"enter at a line end", 64, kLastColumn, {Qt::Key_1, Qt::Key_Enter}, "0400"},
        {"up in the editor", kLastRow, 2, {Qt::Key_1, Qt::Key_Up, Qt::Key_Return}, "0003"},
        {"enter at the end", 0, kLastColumn, {Qt::Key_Return, Qt::Key_Return}, "07FF"},
    };
    for (const auto& c : cases) {
        grid->setCurrentCell(c.row, c.column);
        Press(c.keys);
        EXPECT_EQ(Address(), c.address) << c.name;
        EXPECT_EQ(QApplication::focusWidget(), grid) << c.name << ": editor left open";
        EXPECT_TRUE(dialog->isVisible()) << c.name << ": a key closed the dialog";
    }
}

} // namespace
} // namespace rpx::gui
