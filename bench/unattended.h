#pragma once

#include "core/app/messenger.h"
#include "core/link/link_ui.h"

namespace rpx::bench {

// A benchmark answers OK to every question and shows no window.
class AnswerOk : public Messenger {
public:
    MessageAnswer Show(const Message&) override { return MessageAnswer::Ok; }
};

class NoWindows : public LinkUi {
public:
    void ShowProgress(TextId, int) override {}
    void SetProgress(int) override {}
    void CloseProgress() override {}
    void ShowWaitWindow(TextId, TextId) override {}
    void CloseWaitWindow() override {}
    bool RunDataPasswordDialog(DataPasswordDialog&) override { return false; }
};

} // namespace rpx::bench
