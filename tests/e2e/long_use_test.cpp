#include "tests/e2e/end_to_end.h"

#include "protocol/messages.h"
#include "tests/support/long_run.h"
#include "tests/support/process_usage.h"

#include <QCoreApplication>
#include <QFontDatabase>

namespace {

using Strings = std::vector<std::string>;

class WindowLongUse : public EndToEnd {
protected:
    // Lets the window handle what a click left queued (repaints, deferred deletions), as its event loop would
    // between two clicks of a user.
    void Click(QPushButton* button) {
        button->click();
        QCoreApplication::processEvents();
    }
};

TEST_F(WindowLongUse, ConnectAndDisconnectFiveHundredTimes) {
    // fontconfig holds part of the configuration it loads through offsets rather than pointers, which LeakSanitizer
    // takes for a leak; Qt frees it all at exit, where LeakSanitizer checks again. Loaded here while LeakSanitizer
    // looks away, the font database is left out of the check that follows the run.
    IgnoringLeaks([] { QFontDatabase::families(); });
    OpenWindow();
    QCoreApplication::processEvents();

    RunLong("window connect and disconnect", 500, [&] {
        Click(ConnectButton());
        ASSERT_EQ(ConnectButton()->text(), msg::kCaptionDisconnect);
        EXPECT_TRUE(PanelsEnabled());
        EXPECT_EQ(FirmwareText()->text(), "Firmware Version 1.23");
        EXPECT_EQ(messages.messages, Strings{});

        Click(ConnectButton());
        EXPECT_EQ(ConnectButton()->text(), msg::kCaptionConnect);
        EXPECT_FALSE(PanelsEnabled());
        EXPECT_EQ(FirmwareText()->text(), "");
        // The device keeps a transcript of everything; emptied each cycle, it does not grow the process either.
        EXPECT_EQ(Commands(), (Strings{"GINF", "GBRTA", "GXCHA", "GBRTB", "GXCHB"}));
        device.ClearTranscript();
    });
}

} // namespace
