#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

#include "core/features/tone_sequence_rules.h"
#include "gui/features/spin_field.h"

namespace rpx::gui {

// Sounds a tone sequence and returns when it has ended (the PLAY button stays pressed meanwhile).
using PlayTones = std::function<void(const std::vector<ToneSequenceRules::Tone>& tones)>;

// The special alert tone page of the DTMF dialog: repeat, interval, sixteen frequencies and
// lengths with their spins, the summary cells (red where set) and PLAY, greyed without a player.
class AlertTonePage : public QWidget {
    Q_OBJECT

public:
    AlertTonePage(ToneSequenceRules& rules, const LanguageTable& texts, const PlayTones& play,
                  QWidget* parent);

private:
    SpinField* MakeField(SpinField::Step step, SpinField::Leave leave, const std::string& shown);
    void RefreshSummary();

    ToneSequenceRules& m_rules;
    PlayTones m_play;
    std::vector<QLabel*> m_cells;
    QPushButton* m_playButton;
};

} // namespace rpx::gui
