// The main of the GUI tests: offscreen windows, an application object, and a
// message handler that fails a test on any Qt warning.
#include "GuiTest.h"

#include <QTemporaryDir>

int main(int argc, char* argv[]) {
    // Set here and not only by ctest: test discovery runs this binary too.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    testsupport::installMessageHandler();
    App app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
