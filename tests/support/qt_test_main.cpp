#include "app/CTQ73setApp.h"

#include <gtest/gtest.h>

// Window tests need the application object, with its style, and a display: the offscreen one unless the caller
// chose another (gtest_discover_tests runs the binary without the test's environment). Tests that need a
// umockdev testbed get it from their runner, testbed/umockdev-run.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    CTQ73setApp app(argc, argv);
    return RUN_ALL_TESTS();
}
