#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>

#include "gui/link/link_runner.h"

namespace rpx::gui {

// The requests a test-mode dialog sends to the radio, each run on a worker thread as Read and Write
// run, while the dialog goes on painting. One request at a time per dialog.
class TestModeRequests {
public:
    enum class Outcome {
        Done,   // the radio answered
        Failed, // the exchange failed: the dialog is to close
        Busy,   // an earlier request still runs: nothing was sent
    };

    explicit TestModeRequests(QDialog& dialog) : m_dialog(&dialog) {}

    // request returns false when its exchange failed. The dialog is disabled meanwhile, unless
    // keepEnabled (a slider being dragged must stay in the hand).
    Outcome Run(const std::function<bool()>& request, bool keepEnabled = false);
    bool Running() const { return m_runner.Running(); }

private:
    QPointer<QDialog> m_dialog;
    LinkRunner m_runner;
};

} // namespace rpx::gui
