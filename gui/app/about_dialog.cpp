#include "gui/app/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 3002117;
constexpr TextId kWhatItIs = 1005001;
constexpr TextId kVersion = 1005003;
constexpr TextId kReleased = 1005005;
constexpr TextId kRadios = 1005011;
constexpr int kIconSize = 64;

} // namespace

QString TitleLine(const LanguageTable& texts) {
    return Tr(texts, txt::kProgramName) + u' ' + Tr(texts, kWhatItIs);
}

QString VersionLine(const LanguageTable& texts) {
    return Tr(texts, kVersion) + QStringLiteral(" 3.11");
}

QString ReleaseLine(const LanguageTable& texts) {
    return Tr(texts, kReleased) + QStringLiteral(" OCT/31/2008");
}

AboutDialog::AboutDialog(const LanguageTable& texts, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Tr(texts, kTitle));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/rpx41c.png")).pixmap(kIconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* title = new QLabel(TitleLine(texts), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* lines = new QVBoxLayout;
    lines->addWidget(title);
    for (const QString& line : {Tr(texts, kRadios), VersionLine(texts), ReleaseLine(texts)})
        lines->addWidget(new QLabel(line, this));
    lines->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(kIconSize / 4);
    top->addLayout(lines);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &AboutDialog::accept);
}

} // namespace rpx::gui
