#include "gui/editor/copy_channel_dialog.h"

#include <QGridLayout>
#include <QLabel>

#include "gui/app/qt_text.h"
#include "gui/editor/row_dialog_layout.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 3002123;
constexpr TextId kChannelLabel = 3018013;
constexpr TextId kFromLabel = 3003053;
constexpr TextId kGroupLabel = 1001073;
constexpr TextId kToLabel = 3003063;

// Every field holds one digit.
QLineEdit* MakeField(int value, QWidget* parent) {
    auto* field = new QLineEdit(QString::number(value), parent);
    field->setMaxLength(1);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 12);
    return field;
}

QLineEdit* MakeShownField(int value, QWidget* parent) {
    QLineEdit* field = MakeField(value, parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

} // namespace

CopyChannelDialog::CopyChannelDialog(CopyChannelRules& rules, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent), m_rules(rules) {
    setWindowTitle(Tr(texts, kTitle));
    const CopyTarget source = rules.Source();
    const CopyTarget target = rules.InitialTarget();
    m_group = MakeTargetField(target.group, &CopyTarget::GroupOfField);
    m_group->setObjectName(QStringLiteral("targetGroup"));
    m_group->setEnabled(rules.IsGroupFieldEnabled());
    m_channel = MakeTargetField(target.channel, &CopyTarget::ChannelOfField);
    m_channel->setObjectName(QStringLiteral("targetChannel"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(Tr(texts, kGroupLabel), this), 0, 1);
    grid->addWidget(new QLabel(Tr(texts, kChannelLabel), this), 0, 2);
    grid->addWidget(new QLabel(Tr(texts, kFromLabel), this), 1, 0);
    grid->addWidget(MakeShownField(source.group, this), 1, 1);
    grid->addWidget(MakeShownField(source.channel, this), 1, 2);
    grid->addWidget(new QLabel(Tr(texts, kToLabel), this), 2, 0);
    grid->addWidget(m_group, 2, 1);
    grid->addWidget(m_channel, 2, 2);

    LayOutRowDialog(*this, grid, texts);
    m_channel->setFocus();
}

QLineEdit* CopyChannelDialog::MakeTargetField(int value, int (*correct)(std::string_view)) {
    QLineEdit* field = MakeField(value, this);
    connect(field, &QLineEdit::editingFinished, this,
            [field, correct] { field->setText(QString::number(correct(FromQt(field->text())))); });
    return field;
}

void CopyChannelDialog::accept() {
    m_rules.Confirm(FromQt(m_group->text()), FromQt(m_channel->text()));
    QDialog::accept();
}

} // namespace rpx::gui
