#include "gui/trunking/smartrunk_basic_page.h"

#include <QFormLayout>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kPrimaryLabel = 3019051;
constexpr TextId kSecondaryLabel = 3019053;
constexpr TextId kSystemToneLabel = 3019057;
constexpr TextId kSystemIdLabel = 3019059;
constexpr TextId kLowerLabel = 3019061;
constexpr TextId kUpperLabel = 3019063;

} // namespace

SmarTrunkBasicPage::SmarTrunkBasicPage(SmarTrunkRules& rules, const LanguageTable& texts, QWidget* parent)
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
    auto* form = new QFormLayout(this);
    form->addRow(Tr(texts, kPrimaryLabel), m_codes[BoardCode::Primary]);
    form->addRow(Tr(texts, kSecondaryLabel), m_codes[BoardCode::Secondary]);
    form->addRow(Tr(texts, SmarTrunkRules::Label(BoardChoice::PrioritySubscriber)),
                 list(BoardChoice::PrioritySubscriber));
    form->addRow(Tr(texts, kSystemToneLabel), m_systemTone);
    form->addRow(Tr(texts, kSystemIdLabel), m_systemId);
    form->addRow(Tr(texts, kLowerLabel), m_lower);
    form->addRow(Tr(texts, kUpperLabel), m_upper);
    for (BoardChoice choice :
         {BoardChoice::BusyChannelDetect, BoardChoice::AutomaticPtt, BoardChoice::EmergencyOverride,
          BoardChoice::ClearChannelAlerting, BoardChoice::RadioKill, BoardChoice::SpeedDialProgramming})
        form->addRow(Tr(texts, SmarTrunkRules::Label(choice)), list(choice));
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
