#include "gui/editor/group_copy_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kGroup1 = 1001075;
constexpr TextId kGroup2 = 1001077;

} // namespace

GroupCopyDialog::GroupCopyDialog(int fromGroup, const Notifier& notifier, QWidget* parent) : QDialog(parent) {
    const LanguageTable& texts = notifier.Texts();
    setWindowTitle(Tr(texts, txt::kGroupCopyTitle));
    const std::string from = notifier.Text(fromGroup == 1 ? kGroup1 : kGroup2);
    const std::string to = notifier.Text(fromGroup == 1 ? kGroup2 : kGroup1);
    auto* question = new QLabel(ToQt(notifier.Filled(txt::kGroupCopyQuestion, from, to)), this);
    question->setObjectName(QStringLiteral("question"));
    question->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole)->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &GroupCopyDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &GroupCopyDialog::reject);
}

} // namespace rpx::gui
