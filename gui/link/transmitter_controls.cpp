#include "gui/link/transmitter_controls.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QSignalBlocker>

#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kPtt = 3017027;
constexpr TextId kVolume = 3012057;
constexpr TextId kReceive = 1001027;
constexpr TextId kTransmit = 1001025;

QLabel* Indicator(const QString& text, const char* name, const char* colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(40);
    label->setStyleSheet(QString("QLabel { color: white; background: %1; font-weight: bold; }").arg(colour));
    return label;
}

} // namespace

TransmitterControls::TransmitterControls(TestModeRadio& radio, TestModeRequests& requests,
                                         const LanguageTable& texts, QWidget* parent)
    : QWidget(parent), m_radio(radio), m_requests(requests), m_ptt(new QPushButton(Tr(texts, kPtt), this)),
      m_receiving(Indicator(Tr(texts, kReceive), "receiving", "green", this)),
      m_transmitting(Indicator(Tr(texts, kTransmit), "transmitting", "red", this)),
      m_volume(new QSpinBox(this)), m_volumeBar(new QProgressBar(this)) {
    m_ptt->setObjectName(QStringLiteral("ptt"));
    m_ptt->setCheckable(true);
    m_volume->setObjectName(QStringLiteral("volume"));
    m_volume->setRange(0, TestModeState::kMaxVolume);
    // The spin steps the radio's volume; a typed level could not be sent.
    m_volume->findChild<QLineEdit*>()->setReadOnly(true);
    m_volumeBar->setObjectName(QStringLiteral("volumeBar"));
    m_volumeBar->setRange(0, TestModeState::kMaxVolume);
    m_volumeBar->setTextVisible(false);

    // PTT toggles only when the radio answered.
    connect(m_ptt, &QPushButton::clicked, this, [this] { OnPtt(); });
    connect(m_volume, &QSpinBox::valueChanged, this, &TransmitterControls::OnVolume);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_ptt, 0, 0);
    layout->addWidget(m_receiving, 0, 1);
    layout->addWidget(m_transmitting, 0, 2);
    layout->addWidget(new QLabel(Tr(texts, kVolume), this), 1, 0);
    layout->addWidget(m_volume, 1, 1);
    layout->addWidget(m_volumeBar, 1, 2);
    Refresh();
}

void TransmitterControls::Refresh() {
    const TestModeState& state = m_radio.State();
    m_ptt->setChecked(state.transmitting);
    m_transmitting->setVisible(state.transmitting);
    m_receiving->setVisible(!state.transmitting);
    m_volume->setEnabled(!state.transmitting);
    const QSignalBlocker quiet(m_volume);
    m_volume->setValue(state.volume);
    m_volumeBar->setValue(m_volume->value());
}

void TransmitterControls::OnPtt() {
    Finish(m_requests.Run([this] { return m_radio.TogglePtt(); }));
}

void TransmitterControls::OnVolume(int shown) {
    const bool up = shown > m_radio.State().volume;
    Finish(m_requests.Run([this, up] { return m_radio.StepVolume(up); }));
}

void TransmitterControls::Finish(TestModeRequests::Outcome outcome) {
    Refresh();
    if (outcome == TestModeRequests::Outcome::Failed)
        emit exchangeFailed();
}

} // namespace rpx::gui
