#include "tests/e2e/end_to_end.h"

#include "protocol/messages.h"
#include "tests/support/long_run.h"

#include <QCoreApplication>

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
