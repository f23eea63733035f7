#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

#include "gui/features/emergency_dialog.h"
#include "gui/features/extended_sheet.h"
#include "tests/core/editor/editor_test_image.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

using Offset = EmergencyRules::Offset;

class EmergencyDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        session.image = test::NewImage("MDL2B", 0x31);
        before = session.image;
    }
    template <class Widget> Widget& Child(QWidget& parent, const char* name) {
        auto* child = parent.findChild<Widget*>(name);
        EXPECT_NE(child, nullptr) << name;
        return *child;
    }

    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::ShippedTexts()};
    RadioImage before;
};

TEST_F(EmergencyDialogTest, ChoicesGreyTheirDependentsAndLeavingAFieldStoresIt) {
    std::optional<EmergencyRules> rules(std::in_place, session, notifier);
    auto dialog = std::make_unique<EmergencyDialog>(*rules, test::ShippedTexts(), QFont(), nullptr);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    auto& type = Child<QComboBox>(*dialog, "type");
    auto& code = Child<QLineEdit>(*dialog, "code");
    auto& fleet = Child<QLineEdit>(*dialog, "fleet");
    EXPECT_TRUE(code.isEnabled());
    EXPECT_FALSE(fleet.isEnabled());
    type.setFocus();
    QTest::keyClick(&type, Qt::Key_Down); // MSK
    EXPECT_EQ(session.image.Byte(Offset::kType), 0);
    EXPECT_FALSE(code.isEnabled());
    ASSERT_TRUE(fleet.isEnabled());
    fleet.setFocus();
    QTest::keyClicks(&fleet, "5x0");
    QTest::keyClick(&fleet, Qt::Key_Tab);
    EXPECT_EQ(session.image.Byte(Offset::kFleet), 1);
    EXPECT_EQ(fleet.text(), "100");

    auto& hornTime = Child<QAbstractSpinBox>(*dialog, "horn-time");
    Child<QComboBox>(*dialog, "horn-logic").setCurrentIndex(0);
    hornTime.stepBy(1);
    EXPECT_EQ(session.image.Byte(Offset::kHornTime), 5);
    auto& secret = Child<QCheckBox>(*dialog, "secret");
    EXPECT_FALSE(Child<QCheckBox>(*dialog, "recognition").isEnabled());
    secret.click();
    EXPECT_TRUE(Child<QCheckBox>(*dialog, "recognition").isEnabled()) << "the other half follows";

    dialog->reject();
    dialog.reset();
    rules.reset();
    EXPECT_EQ(session.image, before);
}

TEST_F(EmergencyDialogTest, ExtendedSheetKeepsEveryPageOnOkAndUndoesThemOnCancel) {
    session.image.SetByte(RadioImage::kModelOptions, 0xBF); // hidden functions on
    before = session.image;
    for (const bool ok : {false, true}) {
        std::optional<ExtendedSheetRules> rules(std::in_place, session, notifier);
        auto sheet = std::make_unique<ExtendedSheet>(*rules, test::ShippedTexts(), nullptr);
        sheet->show();
        QApplication::setActiveWindow(sheet.get());
        Child<QCheckBox>(*sheet, "voice1").click();
        Child<QSpinBox>(*sheet, "code8").setValue(16);
        sheet->Pages().setCurrentWidget(&Child<QWidget>(*sheet, "emergency"));
        auto& lightTime = Child<QAbstractSpinBox>(*sheet, "light-time");
        EXPECT_FALSE(lightTime.isEnabled()) << "inverted logic has no time";
        auto& lightLogic = Child<QComboBox>(*sheet, "light-logic");
        lightLogic.setFocus();
        QTest::keyClick(&lightLogic, Qt::Key_Down); // normal
        ASSERT_TRUE(lightTime.isEnabled()) << "no model gate on the sheet";
        lightTime.setFocus();
        lightTime.selectAll();
        QTest::keyClicks(&lightTime, "7");
        if (ok)
            sheet->accept(); // stores the field holding the focus
        else
            sheet->reject();
        sheet.reset();
        rules.reset();
        EXPECT_EQ(session.image.Byte(Offset::kLightTime), ok ? 7 : before.Byte(Offset::kLightTime));
        EXPECT_EQ(session.image.Byte(0x2E), ok ? (before.Byte(0x2E) | 0x08) : before.Byte(0x2E));
        EXPECT_EQ(session.image.Byte(0x9E) >> 4, ok ? 15 : before.Byte(0x9E) >> 4);
    }
}

} // namespace
} // namespace rpx::gui
