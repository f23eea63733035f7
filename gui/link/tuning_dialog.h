#pragma once

#include <QDialog>
#include <QProgressBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

#include <vector>

#include "core/link/tuning_dialog_rules.h"
#include "gui/link/test_mode_requests.h"
#include "gui/link/transmitter_controls.h"

namespace rpx::gui {

// The tuning dialog for one tuning item: a thin view over TuningDialogRules, one tab per point with
// a slider, a spin and a bar that mirror the point's value, which goes to the radio as it changes.
class TuningDialog : public QDialog {
    Q_OBJECT

public:
    TuningDialog(TuningDialogRules& rules, const LanguageTable& texts, QWidget* parent);

    // OK stops the current point, Cancel sends back the values read at the start; both close.
    // Refused while a request runs.
    void accept() override;
    void reject() override;

private:
    struct Page {
        QSlider* slider;
        QSpinBox* spin;
        QProgressBar* bar;
    };

    QWidget* MakePage(std::size_t page, const LanguageTable& texts);
    void OnTab(int index);
    void OnSlider(std::size_t page, int value);
    // Sends the current page's slider value until the radio holds what the slider shows.
    void SendValue();
    void CloseAfterFailure();

    TuningDialogRules& m_rules;
    TestModeRequests m_requests;
    QTabWidget* m_tabs;
    std::vector<Page> m_pages;
    TransmitterControls* m_transmitter;
    bool m_revertingTab = false;
};

} // namespace rpx::gui
