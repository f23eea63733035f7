#include "gui/link/test_mode_requests.h"

namespace rpx::gui {

TestModeRequests::Outcome TestModeRequests::Run(const std::function<bool()>& request, bool keepEnabled) {
    bool answered = false;
    if (!m_runner.Run(keepEnabled ? nullptr : m_dialog.data(), [&] { answered = request(); }))
        return Outcome::Busy;
    return answered ? Outcome::Done : Outcome::Failed;
}

} // namespace rpx::gui
