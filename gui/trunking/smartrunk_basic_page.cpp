#include "gui/trunking/smartrunk_basic_page.h"

#include <QFormLayout>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "gui/app/qt_text.h"

namespace rpx::gui {

SmarTrunkBasicPage::SmarTrunkBasicPage(SmarTrunkRules& rules, QWidget* parent)
    : QWidget(parent), m_rules(rules), m_lower(DigitEdit("lowerBlock", 4)),
      m_upper(DigitEdit("upperBlock", 4)),
      m_systemTone(new DigitSpinField(
          BoardImage::Limit::kSystemToneMax, 1,
          [this](const QString& typed) { return m_rules.CommitSystemTone(FromQt(typed)); }, this)),
      m_systemId(new DigitSpinField(
          BoardImage::Limit::kSystemIdMax, 2,
          [this](const QString& typed) { return m_rules.CommitSystemId(FromQt(typed)); }, this)) {
    m_codes[BoardCode::Primary] = DigitEdit("primaryCode", 4);
    m_codes[BoardCode::Secondary] = DigitEdit("secondaryCode", 4);
    m_systemTone->setObjectName(QStringLiteral("systemTone"));
    m_systemId->setObjectName(QStringLiteral("systemId"));

    for (auto [code, edit] : m_codes) {
        connect(edit, &QLineEdit::editingFinished, this, [this, code, edit] {
            const auto commit = m_rules.CommitCode(code, FromQt(edit->text()));
            edit->setText(ToQt(commit.shown));
            if (commit.refused) // after the focus change that ended the edit has finished
                QTimer::singleShot(0, edit, [edit] {
                    edit->setFocus();
                    edit->selectAll();
                });
        });
    }
    connect(m_lower, &QLineEdit::editingFinished, this, [this] {
        const auto blocks = m_rules.CommitLowerBlock(FromQt(m_lower->text()));
        m_lower->setText(ToQt(blocks.lower));
        m_upper->setText(ToQt(blocks.upper));
    });
    connect(m_upper, &QLineEdit::editingFinished, this,
            [this] { m_upper->setText(ToQt(m_rules.CommitUpperBlock(FromQt(m_upper->text())))); });

    const auto list = [&](BoardChoice choice) {
        auto* box = new QComboBox(this);
        box->addItems(ToQtList(m_rules.ChoiceItems(choice)));
        connect(box, &QComboBox::activated, this,
                [this, choice](int item) { m_rules.SelectChoice(choice, item); });
        m_choices[choice] = box;
        return box;
    };
    // The rows in the dialog's order, with the labels the rules give them.
    QWidget* fields[] = {m_codes[BoardCode::Primary],
                         m_codes[BoardCode::Secondary],
                         list(BoardChoice::PrioritySubscriber),
                         m_systemTone,
                         m_systemId,
                         m_lower,
                         m_upper,
                         list(BoardChoice::BusyChannelDetect),
                         list(BoardChoice::AutomaticPtt),
                         list(BoardChoice::EmergencyOverride),
                         list(BoardChoice::ClearChannelAlerting),
                         list(BoardChoice::RadioKill),
                         list(BoardChoice::SpeedDialProgramming)};
    auto* form = new QFormLayout(this);
    const auto rows = m_rules.BasicRows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        form->addRow(ToQt(rows[i].label), fields[i]);
    Load();
}

QLineEdit* SmarTrunkBasicPage::DigitEdit(const char* name, int maxDigits) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxDigits);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

void SmarTrunkBasicPage::Load() {
    for (auto [code, edit] : m_codes)
        edit->setText(ToQt(m_rules.Code(code)));
    const auto blocks = m_rules.BlockLimits();
    m_lower->setText(ToQt(blocks.lower));
    m_upper->setText(ToQt(blocks.upper));
    const QSignalBlocker toneBlocker(m_systemTone);
    const QSignalBlocker idBlocker(m_systemId);
    m_systemTone->setValue(m_rules.SystemTone());
    m_systemId->setValue(m_rules.SystemId());
    for (auto [choice, box] : m_choices)
        box->setCurrentIndex(m_rules.ChoiceSelection(choice));
}

} // namespace rpx::gui
