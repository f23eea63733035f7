#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

// A Qt warning means the transport used Qt in a way it does not support (wrong thread, missing
// event dispatcher): fail the test that caused it.
void FailOnQtWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        ADD_FAILURE() << "Qt: " << message.toStdString();
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // The serial port's notifiers want the main thread's event dispatcher, which comes with the application.
    QCoreApplication application(argc, argv);
    qInstallMessageHandler(FailOnQtWarning);
    return RUN_ALL_TESTS();
}
