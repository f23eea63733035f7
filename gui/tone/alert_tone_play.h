#pragma once

#include <QObject>
#include <QTimer>

#include <vector>

#include "core/tone/tone_sequence.h"

namespace rpx::gui {

class TonePlayer;

// PLAY of the alert tone page: each tone for its length, a short silence between tones, without
// holding up the window. The same timing as the recording `rpx41c-cli tone` writes.
class AlertTonePlay : public QObject {
    Q_OBJECT
public:
    explicit AlertTonePlay(TonePlayer& player, QObject* parent = nullptr);

    void Play(std::vector<AlertTone> tones);
    // Ends the sequence at once, without finished(): the one who waited for it has gone.
    void Cancel();
    bool Running() const { return m_running; }

signals:
    // The last tone has ended, or no sound could be made (the reason has been shown).
    void finished();

private:
    void StartTone();
    void EndTone();
    void Finish();

    TonePlayer& m_player;
    QTimer m_timer;
    std::vector<AlertTone> m_tones;
    std::size_t m_next = 0;
    bool m_running = false;
};

} // namespace rpx::gui
