#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "gui/features/optional_dialog.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

using Offset = OptionalRules::Offset;

class OptionalDialogTest : public ::testing::Test {
protected:
    OptionalDialogTest() {
        session.image.SetByte(RadioImage::kModelOptions, 0xFF);
        session.image.SetRangeCode(0x31);
        session.image.SetByte(Offset::kTot, 6);
        session.image.SetByte(Offset::kPreAlert, 5);
        session.image.SetByte(Offset::kSquelch, 12); // corrected to 1 on opening
        session.image.SetByte(Offset::kPassword, 0xFF);
        before = session.image;
        rules.emplace(session, notifier);
        dialog = std::make_unique<OptionalDialog>(*rules, test::ShippedTexts(), nullptr);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    NumberSpinField& Number(const char* name) { return *dialog->findChild<NumberSpinField*>(name); }
    uint8_t Byte(std::size_t offset) const { return session.image.Byte(offset); }

    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::ShippedTexts()};
    RadioImage before;
    std::optional<OptionalRules> rules;
    std::unique_ptr<OptionalDialog> dialog;
};

TEST_F(OptionalDialogTest, TimerStoresOnLeavingAndOffGreysTheDependentTimers) {
    EXPECT_TRUE(std::filesystem::exists(RPX_SOURCE_DIR "/resources/help/" +
                                        std::to_string(OptionalDialog::kHelpContext) + ".html"));
    NumberSpinField& tot = Number("tot");
    tot.setFocus();
    tot.selectAll();
    QTest::keyClicks(&tot, "46");
    EXPECT_EQ(Byte(Offset::kTot), 6) << "not before the focus leaves";
    QTest::keyClick(&tot, Qt::Key_Return); // Enter acts as Tab
    EXPECT_EQ(Byte(Offset::kTot), 6);
    EXPECT_EQ(tot.Edit()->text(), "60");
    EXPECT_TRUE(Number("preAlert").isAncestorOf(dialog->focusWidget()) ||
                dialog->focusWidget() == &Number("preAlert"));

    tot.setFocus();
    tot.selectAll();
    QTest::keyClicks(&tot, "0");
    QTest::keyClick(&tot, Qt::Key_Tab);
    EXPECT_EQ(std::tuple(Byte(Offset::kTot), Byte(Offset::kPreAlert)), std::tuple(0x3C, 0));
    EXPECT_EQ(tot.Edit()->text().toStdString(), test::ShippedText(1001039));
    EXPECT_FALSE(Number("preAlert").isEnabled());
    EXPECT_EQ(Number("rekey").Edit()->text().toStdString(), test::ShippedText(1001039))
        << "wider than typing";
    NumberSpinField& volume = Number("minimumVolume");
    volume.setFocus();
    volume.selectAll();
    QTest::keyClicks(&volume, "123");
    EXPECT_EQ(volume.Edit()->text(), "12");
    tot.setFocus();
    QTest::keyClick(&tot, Qt::Key_Up); // the spin steps 30 s from off
    EXPECT_EQ(Byte(Offset::kTot), 3);
    EXPECT_TRUE(Number("preAlert").isEnabled());
}

TEST_F(OptionalDialogTest, PasswordSwallowsImpossibleDigitsAndCancelPutsEveryByteBack) {
    auto* password = dialog->findChild<QLineEdit*>("password");
    password->setFocus();
    QTest::keyClicks(password, "1596a");
    EXPECT_EQ(password->text(), "1a");
    QTest::keyClick(password, Qt::Key_Tab);
    EXPECT_EQ(password->text(), "") << "a wrong character clears the password";
    password->setFocus();
    QTest::keyClicks(password, "4321");
    auto* ptt = dialog->findChild<QComboBox*>("pttIdType");
    ptt->setFocus(); // the password is stored on leaving
    EXPECT_EQ(Byte(Offset::kPassword), '4');
    QTest::keyClick(ptt, Qt::Key_Down);
    EXPECT_EQ(Byte(Offset::kPttIdType), 1);
    EXPECT_FALSE(dialog->findChild<QComboBox*>("trunkingGroups")->isEnabled());
    dialog->reject();
    rules.reset();
    EXPECT_EQ(session.image, before);
}

} // namespace
} // namespace rpx::gui
