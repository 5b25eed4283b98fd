#include "app/CTQ73setApp.h"

#include <gtest/gtest.h>

// The whole program, offscreen unless the caller chose a display, inside the umockdev testbed that the test
// runner (testbed/umockdev-run) provides.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    CTQ73setApp app(argc, argv);
    return RUN_ALL_TESTS();
}
