#include <string>

#include "core/backup/safe_transfer.h"
#include "core/radio/data_file.h"
#include "core/text/startup_texts.h"
#include "tests/link/link_fixture.h"
#include "tests/sim/radio_bench.h"
#include "tests/support/temp_dir.h"

namespace rpx {
namespace {

using test::PatternImage;

class SafeTransferTest : public test::LinkFixture {
protected:
    RadioImage Backup(const std::optional<std::filesystem::path>& path) const {
        EXPECT_TRUE(path.has_value());
        const std::optional<RadioImage> image = ParseDataFile(test::ReadFileBytes(path.value_or("")));
        EXPECT_TRUE(image.has_value());
        return image.value_or(RadioImage{});
    }
    test::TempDir dir;
    BackupStore backups{dir.Path()};
};

// A read keeps what the radio held; a write with a backup first keeps what it held before the write.
TEST_F(SafeTransferTest, BackupsHoldWhatTheRadioHeld) {
    sim::RadioSetup setup;
    setup.image = PatternImage();
    StartRadio(setup);
    SafeTransfer read(Link(), session, notifier, backups, {});
    ASSERT_TRUE(read.OnProgramRead());
    EXPECT_EQ(Backup(read.LastBackup()), Radio().Memory());

    const RadioImage before = Radio().Memory();
    session.image.Fill(0x100, 16, 0x42);
    SafeTransfer write(Link(), session, notifier, backups, {true, false, false});
    ASSERT_TRUE(write.OnProgramWrite());
    EXPECT_EQ(Backup(write.LastBackup()), before);
    EXPECT_TRUE(Radio().Memory().AllEqual(0x100, 16, 0x42));
    ASSERT_EQ(backups.List().size(), 2u);
    EXPECT_EQ(backups.List().front().path, *write.LastBackup());
}

// A radio that acknowledges a block it does not store fails the write, named by its addresses.
TEST_F(SafeTransferTest, VerifyCatchesABlockTheRadioDropped) {
    for (const bool dropped : {false, true}) {
        sim::RadioSetup setup;
        setup.image = PatternImage();
        if (dropped)
            setup.faults = {{sim::FaultKind::DropWrite, 3}}; // the block at 0x040
        StartRadio(setup);
        session.image = PatternImage();
        session.image.Fill(0x040, 16, 0x5A);
        messenger.Clear();
        SafeTransfer transfer(Link(), session, notifier, backups, {false, true, false});
        EXPECT_EQ(transfer.OnProgramWrite(), !dropped);
        const Message& last = messenger.Shown().back();
        EXPECT_EQ(last.textIds.front(), dropped ? txt::kVerifyFailed : txt::kVerifyPassed);
        if (dropped) {
            EXPECT_NE(last.text.find("16 bytes differ, at 0x040, 0x041"), std::string::npos) << last.text;
        }
    }
}

} // namespace
} // namespace rpx
