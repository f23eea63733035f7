#include "gui/tone/alert_tone_play.h"

#include "core/tone/alert_tone_recording.h"
#include "gui/tone/tone_player.h"

namespace rpx::gui {

AlertTonePlay::AlertTonePlay(TonePlayer& player, QObject* parent) : QObject(parent), m_player(player) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
}

void AlertTonePlay::Play(std::vector<AlertTone> tones) {
    Cancel();
    m_tones = std::move(tones);
    m_next = 0;
    m_running = true;
    StartTone();
}

void AlertTonePlay::Cancel() {
    m_timer.disconnect();
    m_timer.stop();
    m_player.Stop();
    m_running = false;
}

void AlertTonePlay::StartTone() {
    if (m_next == m_tones.size()) {
        Finish();
        return;
    }
    const AlertTone tone = m_tones[m_next++];
    m_player.SetTone(AlertTonePlayback::kAmplitude, tone.frequencyHz);
    // Without a sound output the reason is said once, not once per tone.
    if (!m_player.Start()) {
        Finish();
        return;
    }
    m_timer.disconnect();
    connect(&m_timer, &QTimer::timeout, this, &AlertTonePlay::EndTone);
    m_timer.start(tone.lengthMs);
}

void AlertTonePlay::EndTone() {
    m_player.Stop();
    m_timer.disconnect();
    connect(&m_timer, &QTimer::timeout, this, &AlertTonePlay::StartTone);
    m_timer.start(m_next == m_tones.size() ? 0 : AlertTonePlayback::kGapMs);
}

void AlertTonePlay::Finish() {
    m_player.Stop();
    m_running = false;
    emit finished();
}

} // namespace rpx::gui
