#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "core/radio/scoped_image_edit.h"

namespace rpx {
namespace {

// While an edit is open no second snapshot is taken, and the refused one spoils nothing of its undo.
TEST(ScopedImageEdit, EndsWithEveryByteBackUnlessCommittedAndRefusesASecondSnapshotMeanwhile) {
    for (const bool commit : {false, true}) {
        RadioImage image;
        image.FillAll(0x11);
        ImageSnapshot snapshot;
        {
            ScopedImageEdit edit(image, snapshot);
            image.FillAll(0x22);
            EXPECT_THROW(ScopedImageEdit(image, snapshot), std::logic_error);
            EXPECT_THROW(snapshot.TakeSnapshot(image), std::logic_error);
            if (commit)
                edit.Commit();
        }
        EXPECT_TRUE(image.AllEqual(0, RadioImage::kSize, commit ? 0x22 : 0x11)) << commit;
        EXPECT_FALSE(snapshot.Held()) << commit;
        ScopedImageEdit next(image, snapshot); // once it ended, the next dialog may open
        EXPECT_TRUE(snapshot.Held());
    }
}

TEST(ScopedImageEdit, PagesOfASheetJoinItsEditWhichAloneKeepsOrUndoes) {
    for (const bool commit : {false, true}) {
        RadioImage image;
        image.FillAll(0x11);
        ImageSnapshot snapshot;
        {
            ScopedImageEdit sheet(image, snapshot, ScopedImageEdit::Scope::Sheet);
            {
                ScopedImageEdit page(image, snapshot); // ends uncommitted: the sheet decides
                image.SetByte(0x10, 0x22);
            }
            ScopedImageEdit otherPage(image, snapshot);
            image.SetByte(0x20, 0x33);
            EXPECT_THROW(ScopedImageEdit(image, snapshot, ScopedImageEdit::Scope::Sheet), std::logic_error);
            EXPECT_EQ(image.Byte(0x10), 0x22);
            if (commit)
                sheet.Commit();
        }
        EXPECT_EQ(image.Byte(0x10), commit ? 0x22 : 0x11) << commit;
        EXPECT_EQ(image.Byte(0x20), commit ? 0x33 : 0x11) << commit;
        EXPECT_FALSE(snapshot.Held());
        ScopedImageEdit dialog(image, snapshot);
        EXPECT_THROW(ScopedImageEdit(image, snapshot), std::logic_error) << "a dialog's edit is no sheet";
    }
}

} // namespace
} // namespace rpx
