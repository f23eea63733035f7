#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

#include "core/features/tone_sequence_rules.h"
#include "gui/features/number_spin_field.h"

namespace rpx::gui {

// PLAY: sounds the sequence the image holds now and calls finished when it has ended (at once or
// later); the button stays pressed until then.
using PlayTones = std::function<void(std::function<void()> finished)>;

// The special alert tone page of the DTMF dialog: repeat, interval, sixteen frequencies and
// lengths with their spins, the summary cells (red where set) and PLAY, greyed without a player.
class AlertTonePage : public QWidget {
    Q_OBJECT

public:
    AlertTonePage(ToneSequenceRules& rules, const LanguageTable& texts, const PlayTones& play,
                  QWidget* parent);

private:
    NumberSpinField* MakeField(NumberSpinField::Step step, NumberSpinField::Leave leave,
                               const std::string& shown);
    void RefreshSummary();

    ToneSequenceRules& m_rules;
    PlayTones m_play;
    std::vector<QLabel*> m_cells;
    QPushButton* m_playButton;
    bool m_playing = false;
};

} // namespace rpx::gui
