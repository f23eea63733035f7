#include "gui/editor/group_copy_dialog.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/text/startup_texts.h"
#include "gui/app/qt_text.h"
#include "gui/editor/row_dialog_layout.h"

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

    // Four channels are overwritten: Enter alone does not do it.
    auto* fields = new QVBoxLayout;
    fields->addWidget(question);
    LayOutRowDialog(*this, fields, texts, RowDialogDefault::Cancel);
}

} // namespace rpx::gui
