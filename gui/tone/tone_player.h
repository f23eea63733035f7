#pragma once

#include <QAudioDevice>
#include <QIODevice>
#include <QObject>

#include <memory>
#include <span>
#include <vector>

#include "core/app/messenger.h"
#include "core/tone/tone_oscillator.h"

class QAudioSink;

namespace rpx::gui {

// The program's sound output: streams the oscillator's wave, 4096 samples at a time, to an audio
// device (16-bit mono at 11025 samples per second) until stopped. Failures are the plain message
// boxes a technician knows from the radio's service software.
class TonePlayer : public QObject {
    Q_OBJECT
public:
    // device: the output to use; a null device stands for a machine without one.
    TonePlayer(Messenger& messenger, const QAudioDevice& device, QObject* parent = nullptr);
    ~TonePlayer() override;

    void SetTone(int amplitude, double frequencyHz);
    // Stops what plays, seeds the oscillator and starts the wave; false (the reason shown) when no
    // sound can be made.
    bool Start();
    void Stop();
    bool Playing() const;

protected:
    // The next samples of what is played.
    virtual void FillBuffer(std::span<int16_t> samples);

private:
    class Stream;
    void Fail(const char* text);

    Messenger& m_messenger;
    QAudioDevice m_device;
    ToneOscillator m_oscillator;
    std::unique_ptr<Stream> m_stream;
    std::unique_ptr<QAudioSink> m_sink;
};

} // namespace rpx::gui
