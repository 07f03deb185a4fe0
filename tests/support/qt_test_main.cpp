// Test main for suites that need a QApplication. Windows are tested under the
// offscreen platform unless the environment names another.
#include <gtest/gtest.h>

#include "platform/ErrorHandler.h"
#include "platform/Fonts.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    testing::InitGoogleTest(&argc, argv);
    platform::Application app(argc, argv);
    platform::InstallFontSubstitutions();
    return RUN_ALL_TESTS();
}
