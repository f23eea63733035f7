#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "gui/features/dtmf_dialog.h"
#include "tests/core/editor/editor_test_image.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

using Offset = DtmfRules::Offset;

class DtmfDialogTest : public ::testing::Test {
protected:
    void Open(const PlayTones& play = {}) {
        session.image = test::NewImage("MDL2B", 0x31);
        session.image.SetByte(Offset::kAlertToneLevel, 4);
        session.image.SetByte(Offset::kCallAlert, 1);
        session.image.SetByte(Offset::kManualDial, 1);
        before = session.image;
        rules.emplace(session, notifier);
        dialog = std::make_unique<DtmfDialog>(*rules, notifier, QFont(), play, nullptr);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    template <class T> T& Child(const QString& name) { return *dialog->findChild<T*>(name); }
    template <class T, class E> T& Child(const char* kind, E which) {
        return Child<T>(QString::fromLatin1(kind) + QString::number(static_cast<int>(which)));
    }
    QTabBar& Tabs() { return Child<QTabBar>(QStringLiteral("pages")); }

    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::ShippedTexts()};
    RadioImage before;
    std::optional<DtmfRules> rules;
    std::unique_ptr<DtmfDialog> dialog;
};

TEST_F(DtmfDialogTest, AnIdCodeTooShortIsRefusedOnceAndHoldsThePageAndCancelChecksNothing) {
    Open();
    for (int context : DtmfDialog::kHelpContexts)
        EXPECT_TRUE(
            std::filesystem::exists(RPX_SOURCE_DIR "/resources/help/" + std::to_string(context) + ".html"));
    auto& id = Child<QLineEdit>(QStringLiteral("id-code"));
    id.setFocus();
    id.selectAll();
    QTest::keyClicks(&id, "12");
    Tabs().setCurrentIndex(1);
    EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{3003037});
    EXPECT_EQ(Tabs().currentIndex(), 0);
    EXPECT_TRUE(id.hasFocus());
    EXPECT_EQ(id.text(), "000") << "refilled from the image";

    auto& stun = Child<QLineEdit>(QStringLiteral("stun-code"));
    stun.setFocus();
    QTest::keyClicks(&stun, "1f");
    EXPECT_EQ(stun.text(), "1F") << "a..f upper-cased as typed";
    messenger.Clear();
    dialog->reject();
    EXPECT_TRUE(messenger.Shown().empty()) << "no check on the way to Cancel";
    rules.reset();
    EXPECT_EQ(session.image, before);
}

TEST_F(DtmfDialogTest, TheTonePageOpensForASpecialCallAlertAndItsSpinsStoreAtOnce) {
    Open();
    Tabs().setCurrentIndex(2);
    EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{3003023});
    EXPECT_EQ(Tabs().currentIndex(), 0);
    auto& callAlert = Child<QComboBox>("list", DtmfRules::List::CallAlert);
    callAlert.setFocus();
    QTest::keyClick(&callAlert, Qt::Key_Down);
    EXPECT_EQ(session.image.Byte(Offset::kCallAlert), 2);
    auto& level = Child<NumberSpinField>("spin", DtmfRules::Spin::AlertToneLevel);
    level.setFocus();
    level.selectAll();
    QTest::keyClicks(&level, "0");
    QTest::keyClick(&level, Qt::Key_Tab);
    EXPECT_FALSE(callAlert.isEnabled()) << "no level, no call alert";
    auto& manualDial = Child<QCheckBox>("box", DtmfRules::Box::ManualDial);
    manualDial.click();
    EXPECT_FALSE(Child<QCheckBox>("box", DtmfRules::Box::KeypadAutoPtt).isEnabled());
    level.stepBy(1);

    Tabs().setCurrentIndex(2);
    ASSERT_EQ(Tabs().currentIndex(), 2);
    auto& frequency = Child<NumberSpinField>(QStringLiteral("frequency-1"));
    frequency.setFocus();
    frequency.selectAll();
    QTest::keyClicks(&frequency, "2500");
    QTest::keyClick(&frequency, Qt::Key_Tab);
    frequency.stepBy(1);
    EXPECT_EQ(frequency.text(), "Off");
    EXPECT_EQ(Child<QLabel>(QStringLiteral("cell-0")).text(), "");
    frequency.stepBy(1);
    EXPECT_EQ(frequency.text(), "400") << "from 2500 up: not used, then round to 400";
    EXPECT_EQ(session.image.Byte(ToneSequenceLayout::kFrequencies), 40);
    EXPECT_EQ(Child<QLabel>(QStringLiteral("cell-0")).text(), "400");
    EXPECT_FALSE(Child<QPushButton>(QStringLiteral("play")).isEnabled()) << "no player";
    dialog->accept();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(DtmfDialogTest, PlayStaysPressedUntilThePlayerHasFinished) {
    std::function<void()> finish;
    Open([&](std::function<void()> finished) { finish = std::move(finished); });
    auto& play = Child<QPushButton>(QStringLiteral("play"));
    ASSERT_TRUE(play.isEnabled());
    play.click();
    play.click();
    EXPECT_TRUE(play.isChecked());
    ASSERT_TRUE(finish);
    finish();
    EXPECT_FALSE(play.isChecked());
}

TEST_F(DtmfDialogTest, MemoriesTakeDtmfKeysOnlyAndEnterGoesRound) {
    Open();
    Tabs().setCurrentIndex(1);
    auto& first = Child<QLineEdit>(QStringLiteral("memory-1"));
    first.setFocus();
    first.selectAll();
    QTest::keyClicks(&first, "12e*b");
    EXPECT_EQ(first.text(), "12*B");
    QTest::keyClick(&first, Qt::Key_Return);
    EXPECT_TRUE(Child<QLineEdit>(QStringLiteral("memory-2")).hasFocus());
    EXPECT_EQ(rules->CodeText(0), "12*B");
    Child<QLineEdit>(QStringLiteral("memory-9")).setFocus();
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Enter);
    EXPECT_TRUE(first.hasFocus());
}

} // namespace
} // namespace rpx::gui
