#include <gtest/gtest.h>

#include <string>

#include "core/editor/channel_record.h"
#include "core/radio/document.h"
#include "core/radio/image_layout.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

// The files of tests/data (made by make_golden_files.sh there): one per model, with channels,
// tones, feature bytes and a message. Open followed by Save As must give every byte back.
TEST(GoldenDataFiles, OpenAndSaveAsGiveEveryByteBack) {
    test::TempDir dir;
    for (const std::string model : {"MDL1A", "MDL1B", "MDL2A", "MDL2B"}) {
        const std::string golden = RPX_SOURCE_DIR "/tests/data/" + model + ".dat";
        test::ScriptedMessenger messenger;
        Notifier notifier(messenger, test::NoTexts());
        Session session;
        Document document(session, notifier);
        ASSERT_TRUE(document.FileOpen(golden)) << model;
        const RadioImage& image = session.image;
        EXPECT_EQ(std::tuple(image.ModelString(), ConstChannelRecord(image, 4).IsProgrammed(),
                             EmbeddedMessageLine(image.Bytes().subspan(layout::kEmbeddedMessage, 6))),
                  std::tuple(model, true, "GOLDEN"));
        ASSERT_TRUE(document.FileSaveAs(dir / (model + ".dat"))) << model;
        EXPECT_EQ(test::ReadFileBytes(dir / (model + ".dat")), test::ReadFileBytes(golden)) << model;
        EXPECT_TRUE(messenger.Shown().empty()) << model;
    }
}

} // namespace
} // namespace rpx
