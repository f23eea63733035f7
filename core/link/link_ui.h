#pragma once

#include <string>

#include "core/text/text_id.h"

namespace rpx {

class DataPasswordDialog;

// The windows a radio or board operation needs besides message boxes. Operations run off the
// window thread; an implementation shows the windows on its own thread and blocks the operation
// until a modal one is answered.
class LinkUi {
public:
    virtual ~LinkUi() = default;

    // The modeless transfer progress window: title, bar range 0..range, position 0.
    virtual void ShowProgress(TextId title, int range) = 0;
    virtual void SetProgress(int position) = 0;
    virtual void CloseProgress() = 0;
    // The modeless window shown while test mode starts.
    virtual void ShowWaitWindow(TextId title, TextId text) = 0;
    virtual void CloseWaitWindow() = 0;
    // Runs the data password dialog modally: true when it closed with the right password.
    virtual bool RunDataPasswordDialog(DataPasswordDialog& dialog) = 0;
};

} // namespace rpx
