#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/link/radio_link.h"
#include "core/link/test_mode_dialog_rules.h"
#include "gui/link/link_runner.h"
#include "gui/link/test_mode_requests.h"
#include "gui/link/transmitter_controls.h"

namespace rpx::gui {

// The test dialog of Program > Test: a thin view over TestDialogRules. Every control's request runs
// off the window thread; when an exchange fails the dialog closes, and leaving test mode is up to
// the command that opened it.
class TestDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 1369;

    TestDialog(TestDialogRules& rules, const LanguageTable& texts, QWidget* parent);

    // Exit and closing the window; refused while a request runs.
    void reject() override;

private:
    void OnChannel(int index);
    void OnSignalling(int index);
    void OnSpacing(bool wide);
    void OnTuningMode();
    // Shows what a request changed; false when the exchange failed and the dialog closed.
    bool Finish(TestModeRequests::Outcome outcome);
    void ShowChannel();
    void ShowSignalling();
    void ShowSpacing();

    TestDialogRules& m_rules;
    const LanguageTable& m_texts;
    TestModeRequests m_requests;
    QComboBox* m_channel;
    QLabel* m_receiveFrequency;
    QLabel* m_transmitFrequency;
    QComboBox* m_signalling;
    QLabel* m_receiveSignalling;
    QLabel* m_transmitSignalling;
    QLabel* m_wideIndicator;
    QLabel* m_narrowIndicator;
    TransmitterControls* m_transmitter;
    QListWidget* m_tuningItems;
};

// Program > Test: runs the command on a worker thread of runner while window is blocked, the test
// dialog and its tuning dialogs showing over window. True when the tuning data were read and the
// test dialog ran.
bool RunProgramTest(LinkRunner& runner, QWidget* window, RadioLink& link, const RadioImage& image,
                    TestModeState& state);

} // namespace rpx::gui
