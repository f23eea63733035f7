#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "gui/features/function_port_dialog.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

using Offset = FunctionPortRules::Offset;

class FunctionPortDialogTest : public ::testing::Test {
protected:
    FunctionPortDialogTest() {
        for (std::size_t port = 0; port < 8; ++port)
            session.image.SetByte(Offset::kPorts + port, 0xFF);
        session.image.SetByte(Offset::kDevice, 0);
        before = session.image;
        rules.emplace(session, notifier);
        dialog = std::make_unique<FunctionPortDialog>(
            *rules, test::ShippedTexts(), [this] { ++deviceChanges; }, nullptr);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    QComboBox& Child(const char* name) { return *dialog->findChild<QComboBox*>(name); }

    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::ShippedTexts()};
    RadioImage before;
    std::optional<FunctionPortRules> rules;
    std::unique_ptr<FunctionPortDialog> dialog;
    int deviceChanges = 0;
};

TEST_F(FunctionPortDialogTest, APortStoresItsFunctionOnLeavingAndNoOtherPortOffersIt) {
    EXPECT_TRUE(std::filesystem::exists(RPX_SOURCE_DIR "/resources/help/" +
                                        std::to_string(FunctionPortDialog::kHelpContext) + ".html"));
    QComboBox& port2 = Child("port2");
    EXPECT_EQ(port2.count(), 1) << "the field shows its label only";
    port2.setFocus();
    EXPECT_GT(port2.count(), 1);
    const QString hook =
        QString::fromStdString(test::ShippedText(3017023) + " " + test::ShippedText(3017019));
    port2.setCurrentIndex(port2.findText(hook));
    EXPECT_EQ(session.image.Byte(Offset::kPorts + 1), 0xFF) << "not before the field is left";
    QTest::keyClick(&port2, Qt::Key_Return); // Enter acts as Tab
    EXPECT_EQ(session.image.Byte(Offset::kPorts + 1), 0);
    EXPECT_EQ(port2.currentText(), hook);
    QComboBox& port3 = Child("port3");
    EXPECT_TRUE(port3.hasFocus());
    EXPECT_EQ(
        port3.findText(QString::fromStdString(test::ShippedText(3017025) + " " + test::ShippedText(3017019))),
        0);
    EXPECT_EQ(port3.findText(hook), -1);
}

TEST_F(FunctionPortDialogTest, ADeviceChangeIsReportedAtOnceAndCancelPutsEveryByteBack) {
    QComboBox& device = Child("device");
    device.setFocus();
    QTest::keyClick(&device, Qt::Key_Down);
    EXPECT_EQ(session.image.Byte(Offset::kDevice), 1);
    EXPECT_EQ(deviceChanges, 1);
    dialog->reject();
    rules.reset();
    EXPECT_EQ(session.image, before);
}

} // namespace
} // namespace rpx::gui
