#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "gui/features/message_dialog.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

TEST(MessageDialogTest, LinesReachTheImageOnOkOnlyAndEnterSwapsThem) {
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::ShippedTexts()};
    Session session;
    session.image.Fill(MessageRules::kFirstLine, 64, 0xFF);
    const RadioImage before = session.image;
    EXPECT_TRUE(std::filesystem::exists(RPX_SOURCE_DIR "/resources/help/" +
                                        std::to_string(MessageDialog::kHelpContext) + ".html"));
    for (const bool ok : {false, true}) {
        std::optional<MessageRules> rules(std::in_place, session, notifier);
        MessageDialog dialog(*rules, test::ShippedTexts(), QFont(), nullptr);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        auto* line1 = dialog.findChild<QLineEdit*>("line1");
        line1->setFocus();
        QTest::keyClicks(line1, "UNIT 7");
        QTest::keyClick(line1, Qt::Key_Return);
        EXPECT_EQ(dialog.focusWidget(), dialog.findChild<QLineEdit*>("line2"));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(session.image, before) << "nothing before OK";
        ok ? dialog.accept() : dialog.reject();
        rules.reset();
        const auto stored = session.image.Bytes().subspan(MessageRules::kFirstLine, 7);
        EXPECT_EQ(std::string(stored.begin(), stored.end()),
                  ok ? "UNIT 7\xff" : "\xff\xff\xff\xff\xff\xff\xff");
    }
}

} // namespace
} // namespace rpx::gui
