#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "core/trunking/board_file.h"
#include "gui/trunking/new_access_code_dialog.h"
#include "gui/trunking/smartrunk_dialog.h"
#include "gui/trunking/smartrunk_table_page.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

using O = BoardImage::Offset;

class SmarTrunkDialogTest : public ::testing::Test {
protected:
    SmarTrunkDialogTest() {
        rules.emplace(session, notifier);
        dialog = std::make_unique<SmarTrunkDialog>(*rules, notifier, dir.Path().string(), nullptr);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    QLineEdit& Edit(const char* name) { return *dialog->findChild<QLineEdit*>(name); }
    void Type(QWidget& field, const char* text) {
        field.setFocus();
        QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&field, text);
        QTest::keyClick(&field, Qt::Key_Tab);
    }
    // The file dialog about to open picks path.
    static void AnswerFileDialog(const std::filesystem::path& path) {
        QTimer::singleShot(0, [path] {
            auto* files = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(files, nullptr);
            files->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(path.string()));
            files->accept();
        });
    }
    std::string Stored(std::size_t offset, std::size_t count) const {
        return session.board.Text(offset, count);
    }

    test::TempDir dir;
    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::ShippedTexts()};
    std::optional<SmarTrunkRules> rules;
    std::unique_ptr<SmarTrunkDialog> dialog;
};

TEST_F(SmarTrunkDialogTest, FieldsStoreWhenLeftAndAShortCodeTakesTheFocusBack) {
    for (int context : SmarTrunkDialog::kHelpContexts)
        EXPECT_TRUE(
            std::filesystem::exists(RPX_SOURCE_DIR "/resources/help/" + std::to_string(context) + ".html"));
    Type(Edit("primaryCode"), "123");
    EXPECT_EQ(Edit("primaryCode").text(), "0000");
    QTest::qWait(10);
    EXPECT_TRUE(Edit("primaryCode").hasFocus());
    Type(Edit("lowerBlock"), "0100");
    Type(Edit("upperBlock"), "0150");
    EXPECT_EQ(Edit("upperBlock").text(), "0119");
    auto& systemId = *dialog->findChild<QSpinBox*>("systemId");
    Type(systemId, "40");
    EXPECT_EQ(systemId.value(), 31);
    EXPECT_EQ(Stored(O::kSystemId, 4), "001F");

    auto& speedDial = *dialog->findChild<SmarTrunkTablePage*>("speedDial");
    speedDial.item(3, 1)->setText("5551234");
    EXPECT_EQ(Stored(BoardImage::SpeedDialOffset(3), 16), "FFFFFFFFF5551234");
    dialog->reject();
    rules.reset();
    EXPECT_EQ(session.board, BoardImage::NewDataSet());
}

TEST_F(SmarTrunkDialogTest, BoardFileButtonsSaveAndOpenTheSettings) {
    session.board.SetSpeedDial(0, "42");
    AnswerFileDialog(dir / "kept.board");
    dialog->findChild<QPushButton*>("saveBoardFile")->click();
    ASSERT_TRUE(ParseBoardFile(test::ReadFileBytes(dir / "kept.board")));

    session.board.SetSpeedDial(0, "");
    AnswerFileDialog(dir / "kept.board");
    dialog->findChild<QPushButton*>("openBoardFile")->click();
    EXPECT_EQ(session.board.SpeedDial(0), "42");
    EXPECT_EQ(dialog->findChild<SmarTrunkTablePage*>("speedDial")->item(0, 1)->text(), "42");
}

TEST_F(SmarTrunkDialogTest, NewAccessCodeNeedsFiveDigitsAndAMatchingVerification) {
    NewAccessCodeRules access(*rules, notifier);
    NewAccessCodeDialog codes(access, test::ShippedTexts(), dialog.get());
    codes.show();
    QApplication::setActiveWindow(&codes);
    auto& code = *codes.findChild<QLineEdit*>("newAccessCode");
    auto& verify = *codes.findChild<QLineEdit*>("verifyAccessCode");
    code.setFocus();
    QTest::keyClicks(&code, "123");
    EXPECT_FALSE(verify.isEnabled());
    QTest::keyClick(&code, Qt::Key_Return);
    EXPECT_EQ(code.text(), "");
    QTest::keyClicks(&code, "13579");
    ASSERT_TRUE(verify.isEnabled());
    verify.setText("13570");
    codes.accept();
    EXPECT_TRUE(codes.isVisible());
    verify.setText("13579");
    codes.accept();
    EXPECT_FALSE(codes.isVisible());
    EXPECT_EQ(Stored(O::kAccessCode, 12), "000103050709");
    EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{3003037, 3019015, 3019017}));
}

} // namespace
} // namespace rpx::gui
