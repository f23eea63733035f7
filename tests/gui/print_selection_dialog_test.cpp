#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "core/radio/image_layout.h"
#include "gui/report/print_selection_dialog.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

class PrintSelectionDialogTest : public ::testing::Test {
protected:
    void Open() {
        rules.emplace(session);
        dialog = std::make_unique<PrintSelectionDialog>(
            *rules, test::ShippedTexts(), [this] { ++setups; }, nullptr);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    QCheckBox& Box(const char* name) { return *dialog->findChild<QCheckBox*>(name); }
    QPushButton& Button(const char* name) { return *dialog->findChild<QPushButton*>(name); }

    Session session;
    std::optional<PrintSelectionRules> rules;
    std::unique_ptr<PrintSelectionDialog> dialog;
    int setups = 0;
};

TEST_F(PrintSelectionDialogTest, OkNeedsACheckedBoxAndEnterWalksTheBoxesThatCanBeChecked) {
    session.image.SetBit(RadioImage::kModelOptions, 6, true); // hidden functions off
    Open();
    EXPECT_FALSE(Button("ok").isEnabled());
    EXPECT_FALSE(Box("smartrunk").isEnabled());
    EXPECT_TRUE(Box("extended").isHidden());
    Box("scan").click();
    EXPECT_TRUE(Button("ok").isEnabled());
    Button("clearAll").click();
    EXPECT_FALSE(Box("scan").isChecked());
    EXPECT_FALSE(Button("ok").isEnabled());
    Button("selectAll").click();
    EXPECT_TRUE(Box("function-port").isChecked());
    EXPECT_FALSE(Box("smartrunk-channel").isChecked());
    EXPECT_TRUE(Button("ok").isEnabled());

    Box("function-port").setFocus();
    QTest::keyClick(&Box("function-port"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), &Box("channel")) << "past the disabled SmarTrunk boxes, wrapping";
    EXPECT_TRUE(dialog->isVisible());
    Button("printSetup").setFocus();
    QTest::keyClick(&Button("printSetup"), Qt::Key_Return);
    EXPECT_EQ(setups, 1);
}

} // namespace
} // namespace rpx::gui
