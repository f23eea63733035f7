#include "gui/tone/tone_player.h"

#include <QAudioFormat>
#include <QAudioSink>

#include <algorithm>
#include <cstring>

namespace rpx::gui {

// Hands the audio device the player's samples, computed a buffer at a time as it asks for them.
class TonePlayer::Stream : public QIODevice {
public:
    explicit Stream(TonePlayer& player) : m_player(player), m_buffer(ToneOscillator::kSamplesPerBuffer) {}

    void Restart() {
        m_next = m_buffer.size();
        if (!isOpen())
            open(QIODevice::ReadOnly);
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        qint64 written = 0;
        while (maxSize - written >= static_cast<qint64>(sizeof(int16_t))) {
            if (m_next == m_buffer.size()) {
                m_player.FillBuffer(m_buffer);
                m_next = 0;
            }
            const auto count =
                std::min<qint64>((maxSize - written) / sizeof(int16_t), m_buffer.size() - m_next);
            std::memcpy(data + written, m_buffer.data() + m_next, count * sizeof(int16_t));
            m_next += count;
            written += count * sizeof(int16_t);
        }
        return written;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return ToneOscillator::kSamplesPerBuffer * sizeof(int16_t); }

private:
    TonePlayer& m_player;
    std::vector<int16_t> m_buffer;
    std::size_t m_next = 0;
};

TonePlayer::TonePlayer(Messenger& messenger, const QAudioDevice& device, QObject* parent)
    : QObject(parent), m_messenger(messenger), m_device(device), m_stream(std::make_unique<Stream>(*this)) {}

TonePlayer::~TonePlayer() {
    Stop();
}

void TonePlayer::SetTone(int amplitude, double frequencyHz) {
    m_oscillator.SetTone(amplitude, frequencyHz);
}

bool TonePlayer::Start() {
    Stop();
    m_oscillator.Seed();
    if (m_device.isNull()) {
        Fail("No Sound Output Device");
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(ToneOscillator::kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    m_sink = std::make_unique<QAudioSink>(m_device, format);
    m_stream->Restart();
    m_sink->start(m_stream.get());
    if (m_sink->error() != QAudio::NoError) {
        m_sink.reset();
        Fail("Sound output Cannot Open Device!");
        return false;
    }
    return true;
}

void TonePlayer::Stop() {
    if (!m_sink)
        return;
    m_sink->stop();
    m_sink.reset();
}

bool TonePlayer::Playing() const {
    return m_sink != nullptr;
}

void TonePlayer::FillBuffer(std::span<int16_t> samples) {
    m_oscillator.FillBuffer(samples);
}

void TonePlayer::Fail(const char* text) {
    Message message;
    message.text = text;
    message.icon = MessageIcon::Stop;
    m_messenger.Show(message);
}

} // namespace rpx::gui
