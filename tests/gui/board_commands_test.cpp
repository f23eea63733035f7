// The board commands as the main window runs them: on a worker thread against the Virtual board,
// with the access code dialog shown and answered on the window thread.
#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "core/radio/image_layout.h"
#include "gui/trunking/board_commands.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

constexpr TextId kWriteQuestion = 3019141;
constexpr TextId kWriteDone = 3019023;
constexpr TextId kReadQuestion = 3019139;
constexpr TextId kReadDone = 3019021;

// Types code into the access code dialog whenever it shows, noting whether OK was enabled after
// its first four characters, and presses OK.
class AccessCodeTyper {
public:
    explicit AccessCodeTyper(QString code) : m_code(std::move(code)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* dialog = qApp->activeModalWidget();
            auto* edit = dialog != nullptr ? dialog->findChild<QLineEdit*>("accessCode") : nullptr;
            if (edit == nullptr)
                return;
            QPushButton* ok = nullptr;
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == "OK")
                    ok = button;
            ++shown;
            hidden = edit->echoMode() == QLineEdit::Password;
            edit->clear();
            QTest::keyClicks(edit, m_code.left(4));
            okAfterFour = ok->isEnabled();
            QTest::keyClicks(edit, m_code.mid(4));
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        m_timer.start(5);
    }
    int shown = 0;
    bool hidden = false;
    bool okAfterFour = true;

private:
    QString m_code;
    QTimer m_timer;
};

TEST(BoardCommands, WriteAndReadTheVirtualBoardOnlyInTrunkingMode) {
    QWidget window;
    window.show();
    test::ScriptedMessenger messenger;
    Notifier notifier(messenger, test::ShippedTexts());
    Session session;
    GuiLinkUi ui(&window, test::ShippedTexts(), QFontDatabase::systemFont(QFontDatabase::FixedFont));
    LinkRunner runner;
    BoardCommands commands(&window, session, notifier, ui, runner);
    commands.BoardPort().SetDevicePath(std::string(sim::kVirtualBoardPort));
    AccessCodeTyper typer("00000");

    commands.OnWriteBoard();
    EXPECT_TRUE(messenger.Shown().empty()) << "not in trunking mode";

    session.image.SetByte(layout::kPortMode, layout::kTrunkingPortMode);
    session.board.SetSystemId(23);
    const BoardImage written = session.board;
    commands.OnWriteBoard();
    EXPECT_EQ(commands.BoardDevice().InProcessBoard().Board().Memory(), written);
    session.board.SetSystemId(5);
    commands.OnReadBoard();
    EXPECT_EQ(session.board, written);
    EXPECT_EQ(messenger.ShownIds(),
              (std::vector<TextId>{kWriteQuestion, kWriteDone, kReadQuestion, kReadDone}));
    EXPECT_EQ(typer.shown, 2);
    EXPECT_TRUE(typer.hidden);
    EXPECT_FALSE(typer.okAfterFour);
}

} // namespace
} // namespace rpx::gui
