#include "gui/features/scrambler_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kGroupHeadings[] = {3017063, 3017065};
constexpr int kGroupSize = 4;

} // namespace

ScramblerPage::ScramblerPage(ScramblerRules& rules, const LanguageTable& texts, QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    int row = 0;
    for (int channel = 1; channel <= ScramblerRules::kChannels; ++channel) {
        if ((channel - 1) % kGroupSize == 0) {
            auto* heading = new QLabel(Tr(texts, kGroupHeadings[(channel - 1) / kGroupSize]), this);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            grid->addWidget(heading, row, 0);
            grid->addWidget(new QLabel(Tr(texts, ScramblerRules::kCodeHeading), this), row++, 1);
        }
        auto* code = new QSpinBox(this);
        code->setObjectName(QStringLiteral("code%1").arg(channel));
        code->setRange(ScramblerRules::kCodeMin, ScramblerRules::kCodeMax);
        code->setValue(rules.Code(channel));
        connect(code, &QSpinBox::valueChanged, this,
                [&rules, channel](int value) { rules.SetCode(channel, value); });
        auto* voice = new QCheckBox(Tr(texts, ScramblerRules::kVoiceLabel), this);
        voice->setObjectName(QStringLiteral("voice%1").arg(channel));
        voice->setChecked(rules.Voice(channel));
        connect(voice, &QCheckBox::toggled, this,
                [&rules, channel](bool on) { rules.SetVoice(channel, on); });
        grid->addWidget(new QLabel(QString::number((channel - 1) % kGroupSize + 1), this), row, 0,
                        Qt::AlignRight);
        grid->addWidget(code, row, 1);
        grid->addWidget(voice, row++, 2);
    }
    grid->setRowStretch(row, 1);
}

} // namespace rpx::gui
