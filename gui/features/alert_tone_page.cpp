#include "gui/features/alert_tone_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QVBoxLayout>

#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kTone = 3010105, kSummary = 3010115, kFirstNumber = 3010117, kHz = 3010149, kMs = 3010151,
                 kPlay = 3019125;
constexpr int kRowsPerColumn = 8;

} // namespace

AlertTonePage::AlertTonePage(ToneSequenceRules& rules, const LanguageTable& texts, const PlayTones& play,
                             QWidget* parent)
    : QWidget(parent), m_rules(rules), m_play(play), m_playButton(new QPushButton(Tr(texts, kPlay), this)) {
    auto* repeat = new QCheckBox(Tr(texts, ToneSequenceRules::kRepeatLabel), this);
    repeat->setObjectName(QStringLiteral("repeat"));
    repeat->setChecked(m_rules.Repeat());
    connect(repeat, &QCheckBox::clicked, this, [this](bool on) { m_rules.SetRepeat(on); });
    NumberSpinField* interval = MakeField(
        [this](int step) { return m_rules.StepInterval(step); },
        [this](std::string_view typed) { return m_rules.LeaveInterval(typed); }, m_rules.IntervalText());
    interval->setObjectName(QStringLiteral("interval"));
    auto* top = new QHBoxLayout;
    top->addWidget(repeat);
    top->addStretch();
    top->addWidget(new QLabel(Tr(texts, ToneSequenceRules::kIntervalLabel), this));
    top->addWidget(interval);

    auto* tones = new QGridLayout;
    for (int column = 0; column < 2; ++column) {
        tones->addWidget(new QLabel(Tr(texts, kTone), this), 0, 3 * column, Qt::AlignRight);
        tones->addWidget(new QLabel(Tr(texts, ToneSequenceRules::kFrequencyHeading), this), 0,
                         3 * column + 1);
        tones->addWidget(new QLabel(Tr(texts, ToneSequenceRules::kLengthHeading), this), 0, 3 * column + 2);
    }
    for (int tone = 0; tone < ToneSequenceRules::kTones; ++tone) {
        NumberSpinField* frequency =
            MakeField([this, tone](int step) { return m_rules.StepFrequency(tone, step); },
                      [this, tone](std::string_view typed) { return m_rules.LeaveFrequency(tone, typed); },
                      m_rules.FrequencyText(tone));
        NumberSpinField* length =
            MakeField([this, tone](int step) { return m_rules.StepLength(tone, step); },
                      [this, tone](std::string_view typed) { return m_rules.LeaveLength(tone, typed); },
                      m_rules.LengthText(tone));
        frequency->setObjectName(QStringLiteral("frequency-%1").arg(tone + 1));
        length->setObjectName(QStringLiteral("length-%1").arg(tone + 1));
        const int row = 1 + tone % kRowsPerColumn, column = 3 * (tone / kRowsPerColumn);
        tones->addWidget(new QLabel(Tr(texts, kFirstNumber + 2 * tone), this), row, column, Qt::AlignRight);
        tones->addWidget(frequency, row, column + 1);
        tones->addWidget(length, row, column + 2);
    }

    // Each tone's frequency, then each length, then the interval.
    auto* summary = new QGroupBox(Tr(texts, kSummary), this);
    auto* cells = new QGridLayout(summary);
    cells->setSpacing(1);
    cells->addWidget(new QLabel(Tr(texts, kHz), summary), 0, 0);
    cells->addWidget(new QLabel(Tr(texts, kMs), summary), 1, 0);
    for (int cell = 0; cell < 2 * ToneSequenceRules::kTones + 1; ++cell) {
        auto* label = new QLabel(summary);
        label->setObjectName(QStringLiteral("cell-%1").arg(cell));
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedSize(label->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 4,
                            label->fontMetrics().height() + 2);
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        label->setFont(small);
        m_cells.push_back(label);
        const bool last = cell == 2 * ToneSequenceRules::kTones;
        cells->addWidget(label, last ? 0 : cell / ToneSequenceRules::kTones,
                         last ? ToneSequenceRules::kTones + 2 : 1 + cell % ToneSequenceRules::kTones,
                         last ? 2 : 1, 1);
    }

    m_playButton->setObjectName(QStringLiteral("play"));
    m_playButton->setCheckable(true);
    m_playButton->setEnabled(static_cast<bool>(m_play));
    connect(m_playButton, &QPushButton::clicked, this, [this] {
        m_playButton->setChecked(true);
        if (m_playing)
            return;
        m_playing = true;
        m_play([button = QPointer(m_playButton), this] {
            if (button) {
                m_playing = false;
                button->setChecked(false);
            }
        });
    });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(summary);
    bottom->addWidget(m_playButton, 0, Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(tones);
    layout->addLayout(bottom);
    RefreshSummary();
}

NumberSpinField* AlertTonePage::MakeField(NumberSpinField::Step step, NumberSpinField::Leave leave,
                                          const std::string& shown) {
    auto* field = NumberSpinField::OverRules(
        ToneSequenceRules::Limit::kWidth,
        [this, step](int clicked) {
            std::string text = step(clicked);
            RefreshSummary();
            return text;
        },
        [this, leave](std::string_view typed) {
            std::string text = leave(typed);
            RefreshSummary();
            return text;
        },
        this);
    field->ShowText(ToQt(shown));
    return field;
}

void AlertTonePage::RefreshSummary() {
    const std::vector<std::string> texts = m_rules.SummaryCells();
    for (std::size_t cell = 0; cell < m_cells.size(); ++cell) {
        QLabel* label = m_cells[cell];
        label->setText(ToQt(texts[cell]));
        QPalette colours = palette();
        if (!texts[cell].empty()) {
            colours.setColor(QPalette::Window, Qt::red);
            colours.setColor(QPalette::WindowText, Qt::white);
        }
        label->setPalette(colours);
    }
}

} // namespace rpx::gui
