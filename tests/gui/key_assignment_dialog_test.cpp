#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

#include "core/radio/image_layout.h"
#include "gui/features/key_assignment_dialog.h"
#include "tests/core/editor/editor_test_image.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

class KeyAssignmentDialogTest : public ::testing::Test {
protected:
    void Open(uint8_t key1, uint8_t key2) {
        session.image = test::NewImage("MDL1B", 0x11);
        session.image.SetByte(layout::kProgrammableKey1, key1);
        session.image.SetByte(layout::kProgrammableKey2, key2);
        before = session.image;
        rules.emplace(session, notifier);
        dialog = std::make_unique<KeyAssignmentDialog>(*rules, test::ShippedTexts(), nullptr);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
    }
    QLineEdit& Field(int key) { return *dialog->findChild<QLineEdit*>(QStringLiteral("key%1").arg(key + 1)); }
    CellList& List() { return *dialog->findChild<CellList*>("keyList"); }
    const KeyPanelPicture& Panel() { return *dialog->findChild<KeyPanelPicture*>(); }
    QString Text(TextId id) { return QString::fromLatin1(test::ShippedTexts().GetText(id)); }

    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::ShippedTexts()};
    RadioImage before;
    std::optional<KeyAssignmentRules> rules;
    std::unique_ptr<KeyAssignmentDialog> dialog;
};

TEST_F(KeyAssignmentDialogTest, AFocusedKeyShowsItsListAndLeavingItStoresTheChoice) {
    Open(6, 0xFF);
    EXPECT_EQ(Field(1).text(), Text(1001023));
    QTest::mouseClick(&Field(1), Qt::RightButton);
    EXPECT_NE(rules->EditedKey(), 1) << "a right click is swallowed";
    Field(0).setFocus();
    ASSERT_TRUE(List().isVisible());
    EXPECT_FALSE(Field(0).isEnabled());
    EXPECT_EQ(List().currentText(), Text(3006001));
    EXPECT_EQ(Panel().LitKey(), 0);
    List().setCurrentIndex(List().findText(Text(1001073)));
    EXPECT_EQ(dialog->property("helpContext").toInt(), 520);

    QTest::keyClick(&List(), Qt::Key_Return); // on to key 2: key 1 is stored
    EXPECT_EQ(session.image.Byte(layout::kProgrammableKey1), 11);
    EXPECT_EQ(Field(0).text(), Text(1001073));
    EXPECT_TRUE(Field(0).isEnabled());
    EXPECT_EQ(Panel().LitKey(), 1);
    EXPECT_EQ(List().currentText(), Text(1001023));

    QTest::keyClick(&List(), Qt::Key_Tab); // leaving unchanged still stores "no function"
    EXPECT_EQ(session.image.Byte(layout::kProgrammableKey2), 10);
    EXPECT_FALSE(List().isVisible());
    EXPECT_EQ(Panel().LitKey(), KeyPanelPicture::kNoKey);
    auto* ok = qobject_cast<QPushButton*>(QApplication::focusWidget());
    ASSERT_NE(ok, nullptr) << "OK follows key 2";
    EXPECT_EQ(ok->text(), Text(1001001));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(List().isVisible());
    EXPECT_EQ(rules->EditedKey(), 1);
    QTest::mouseClick(&Field(0), Qt::LeftButton);
    EXPECT_EQ(rules->EditedKey(), 0);

    dialog->reject();
    rules.reset();
    EXPECT_EQ(session.image, before);
}

} // namespace
} // namespace rpx::gui
