#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

#include "gui/features/orbicall_dialog.h"
#include "tests/core/editor/editor_test_image.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

using Offset = OrbicallRules::Offset;

class OrbicallDialogTest : public ::testing::Test {
protected:
    void Open() {
        session.image = test::NewImage("MDL2B", 0x31);
        session.image.SetByte(Offset::kFleet, 0xFF);
        session.image.SetByte(Offset::kId, 0);
        session.image.SetByte(Offset::kId + 1, 0);
        session.image.SetByte(Offset::kDelay, 0);
        session.image.SetByte(Offset::kDelay + 1, 0);
        before = session.image;
        rules.emplace(session, notifier);
        dialog = std::make_unique<OrbicallDialog>(*rules, test::ShippedTexts(), nullptr);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
    }
    template <class Widget> Widget& Child(const char* name) { return *dialog->findChild<Widget*>(name); }

    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::ShippedTexts()};
    RadioImage before;
    std::optional<OrbicallRules> rules;
    std::unique_ptr<OrbicallDialog> dialog;
};

TEST_F(OrbicallDialogTest, LeavingAFieldStoresItAndRedrawsTheLinkedOne) {
    Open();
    auto& fleet = Child<QLineEdit>("fleet");
    auto& id = Child<QLineEdit>("id");
    fleet.setFocus();
    QTest::keyClicks(&fleet, "12x3");
    EXPECT_EQ(fleet.text(), "123") << "digits only";
    QTest::keyClick(&fleet, Qt::Key_Return); // acts as Tab
    EXPECT_TRUE(id.hasFocus());
    EXPECT_EQ(session.image.Byte(Offset::kFleet), 24);
    EXPECT_EQ(id.text(), "1000") << "a fleet gives the unset ID its first value";

    id.clear();
    QTest::keyClick(&id, Qt::Key_Tab);
    EXPECT_EQ(fleet.text(), "") << "an emptied ID empties the fleet";
    EXPECT_EQ(session.image.Byte(Offset::kFleet), 0xFF);

    auto& delay = Child<QAbstractSpinBox>("delay");
    delay.setFocus();
    for (int click = 0; click < 2; ++click)
        delay.stepBy(-1);
    EXPECT_EQ(delay.text(), "5999") << "down from 0 wraps to the top";
    QTest::keyClick(&delay, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&delay, "70x001");
    QTest::keyClick(&delay, Qt::Key_Tab);
    EXPECT_EQ(delay.text(), "400") << "above 6000, once left";
    auto& baud = Child<QComboBox>("baud");
    baud.setFocus();
    QTest::keyClick(&baud, Qt::Key_Down);
    EXPECT_EQ(session.image.Byte(Offset::kBaud), 1);
    QTest::keyClick(&baud, Qt::Key_Return);
    EXPECT_TRUE(fleet.hasFocus()) << "Enter on the baud list goes back to the fleet";

    dialog->reject();
    rules.reset();
    EXPECT_EQ(session.image, before);
}

} // namespace
} // namespace rpx::gui
