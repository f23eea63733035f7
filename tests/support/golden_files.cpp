#include "tests/support/golden_files.h"

#include <gtest/gtest.h>

#include "core/radio/document.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx::test {

Session GoldenSession(const std::string& model, bool extendedMode) {
    ScriptedMessenger messenger;
    Notifier notifier(messenger, ShippedTexts());
    Session session;
    session.extendedMode = extendedMode;
    EXPECT_TRUE(Document(session, notifier).FileOpen(RPX_SOURCE_DIR "/tests/data/" + model + ".dat"))
        << model;
    return session;
}

} // namespace rpx::test
