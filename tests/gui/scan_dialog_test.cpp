#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "gui/features/scan_dialog.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

using Offset = ScanRules::Offset;

class ScanDialogTest : public ::testing::Test {
protected:
    ScanDialogTest() {
        session.image.SetByte(Offset::kRevertChannel, 0);
        session.image.SetByte(Offset::kDropoutDelay, 0); // shown as 3.0, left as it is
        session.image.SetByte(Offset::kDwellTime, 4);
        before = session.image;
        rules.emplace(session, notifier);
        dialog = std::make_unique<ScanDialog>(*rules, test::ShippedTexts(), nullptr);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    template <class T> T& Child(const char* name) { return *dialog->findChild<T*>(name); }
    QLineEdit& Edit(const char* name) { return *Child<HalfSecondField>(name).Edit(); }
    uint8_t Byte(std::size_t offset) const { return session.image.Byte(offset); }

    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::ShippedTexts()};
    RadioImage before;
    std::optional<ScanRules> rules;
    std::unique_ptr<ScanDialog> dialog;
};

TEST_F(ScanDialogTest, TimesStoreWhenTheFieldLosesTheFocusAndSwallowAMisplacedPoint) {
    EXPECT_EQ(Edit("dropoutDelay").text(), "3.0");
    EXPECT_TRUE(std::filesystem::exists(RPX_SOURCE_DIR "/resources/help/" +
                                        std::to_string(ScanDialog::kHelpContext) + ".html"));
    HalfSecondField& dwell = Child<HalfSecondField>("dwellTime");
    dwell.setFocus();
    dwell.selectAll();
    QTest::keyClicks(&dwell, "10.5");
    EXPECT_EQ(Edit("dwellTime").text(), "105");
    EXPECT_EQ(Byte(Offset::kDwellTime), 4) << "not before the focus leaves";
    QTest::keyClick(&dwell, Qt::Key_Tab);
    EXPECT_EQ(Edit("dwellTime").text(), "5.0");
    EXPECT_EQ(Byte(Offset::kDwellTime), 10);

    dwell.setFocus();
    QTest::keyClick(&dwell, Qt::Key_Down); // the spin: from 5.0 to 4.5
    EXPECT_EQ(Edit("dwellTime").text(), "4.5");
    QTest::keyClick(&dwell, Qt::Key_Return);
    EXPECT_EQ(Byte(Offset::kDwellTime), 9);
    EXPECT_EQ(dialog->focusWidget(), &Child<QCheckBox>("offHookScan")) << "Enter moves on";
    EXPECT_EQ(Byte(Offset::kDropoutDelay), 0);
}

TEST_F(ScanDialogTest, EnterCyclesTheFieldsAndCancelPutsEveryByteBack) {
    CellList& revert = Child<CellList>("revertChannel");
    revert.setFocus();
    QTest::keyClick(&revert, Qt::Key_Down);
    EXPECT_EQ(Byte(Offset::kRevertChannel), 1);
    for (const char* next : {"dropoutDelay", "dwellTime", "offHookScan", "revertChannel"}) {
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        EXPECT_EQ(dialog->focusWidget()->objectName().toStdString().substr(0, 12),
                  std::string(next).substr(0, 12));
    }
    QTest::mouseClick(&Child<QCheckBox>("offHookScan"), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(Byte(Offset::kOffHookScan), 1);
    dialog->reject();
    rules.reset();
    EXPECT_EQ(session.image, before);
}

} // namespace
} // namespace rpx::gui
