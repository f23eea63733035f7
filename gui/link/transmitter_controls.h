#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>

#include "core/link/test_mode_radio.h"
#include "core/text/language_table.h"
#include "gui/link/test_mode_requests.h"

namespace rpx::gui {

// PTT with its receive and transmit indicators, and the volume spin and bar: the controls the test
// and the tuning dialog share. They show the test-mode state and change it through the radio.
class TransmitterControls : public QWidget {
    Q_OBJECT

public:
    TransmitterControls(TestModeRadio& radio, TestModeRequests& requests, const LanguageTable& texts,
                        QWidget* parent);

    // Shows the transmitter and the volume as the state holds them (after any request).
    void Refresh();

signals:
    // An exchange failed: the dialog is to close.
    void exchangeFailed();

private:
    void OnPtt();
    void OnVolume(int shown);
    void Finish(TestModeRequests::Outcome outcome);

    TestModeRadio& m_radio;
    TestModeRequests& m_requests;
    QPushButton* m_ptt;
    QLabel* m_receiving;
    QLabel* m_transmitting;
    QSpinBox* m_volume;
    QProgressBar* m_volumeBar;
};

} // namespace rpx::gui
