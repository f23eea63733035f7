// The window tests run without a display: Qt's offscreen platform, one QApplication for all.
#include <QApplication>

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Backups of the radios the tests read go to a folder of this run, not the user's.
    const rpx::test::TempDir dataHome;
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dataHome.Path().string()));
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
