#include "link/device_link.h"

#include "protocol/messages.h"
#include "tests/support/pty_pair.h"
#include "tests/support/recording_reporter.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

std::string OpenFailed(int code) {
    return msg::Format(msg::kOpenFailed, code);
}

TEST(OpenPort, AMissingPortReportsTheSystemsCodeAndAllowsAnotherAttempt) {
    PtyPair pty;
    RecordingReporter reporter;
    DeviceLink link{reporter};
    EXPECT_EQ(link.OpenPort("ttyNoSuchPort9"), kResultFail);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{OpenFailed(ENOENT)});
    EXPECT_FALSE(link.IsConnected());

    EXPECT_EQ(link.OpenPort(pty.Port()), kResultOk);
    EXPECT_TRUE(link.IsConnected());
}

TEST(OpenPort, APortHeldByAnotherProcessCannotBeOpened) {
    PtyPair pty;
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        close(release[1]); // so that the parent's close is the end of the pipe
        RecordingReporter quiet;
        DeviceLink other{quiet};
        const char opened = other.OpenPort(pty.Port()) == kResultOk ? 'y' : 'n';
        (void)!write(ready[1], &opened, 1);
        char byte;
        (void)!read(release[0], &byte, 1);
        _exit(0);
    }
    char opened = 0;
    ASSERT_EQ(read(ready[0], &opened, 1), 1);
    ASSERT_EQ(opened, 'y');

    RecordingReporter reporter;
    DeviceLink link{reporter};
    EXPECT_EQ(link.OpenPort(pty.Port()), kResultFail);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{OpenFailed(EWOULDBLOCK)});

    close(release[1]);
    waitpid(holder, nullptr, 0);
    EXPECT_EQ(link.OpenPort(pty.Port()), kResultOk) << "the port is free once its holder is gone";
    for (int fd : {ready[0], ready[1], release[0]}) {
        close(fd);
    }
}

TEST(OpenPort, ClosingReleasesThePortAtOnce) {
    PtyPair pty;
    RecordingReporter reporter;
    DeviceLink first{reporter};
    DeviceLink second{reporter};
    ASSERT_EQ(first.OpenPort(pty.Port()), kResultOk);
    first.ClosePort();
    EXPECT_FALSE(first.IsConnected());
    EXPECT_EQ(second.OpenPort(pty.Port()), kResultOk);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(OpenPort, ANewConnectionReadsNothingThatArrivedBeforeIt) {
    PtyPair pty;
    RecordingReporter reporter;
    DeviceLink link{reporter};
    ASSERT_EQ(link.OpenPort(pty.Port()), kResultOk);
    pty.WriteToHost("OKfirst\r\n");
    ReplyBuffer reply{};
    ASSERT_EQ(link.SendCommand(reply, "GINF"), kResultOk);
    link.ClosePort();
    pty.WriteToHost("OKlate\r");

    ASSERT_EQ(link.OpenPort(pty.Port()), kResultOk);
    pty.WriteToHost("OKfresh\r");
    EXPECT_EQ(link.SendCommand(reply, "GINF"), kResultOk);
    EXPECT_EQ(Payload(reply), "fresh") << "neither the LF left over nor the late reply";
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(OpenPort, SwitchesOffTheLineDisciplineAndLeavesTheLineSettingsAlone) {
    PtyPair pty;
    // Make the terminal cooked, echoing and translating, at 1200 bps with two stop bits, as a system might hand
    // it over. (A pseudo-terminal keeps only some of the line settings; the test compares with what it kept.)
    termios cooked{};
    ASSERT_EQ(tcgetattr(pty.Master(), &cooked), 0);
    cooked.c_lflag |= ICANON | ECHO | ISIG | IEXTEN;
    cooked.c_iflag |= ICRNL | IXON;
    cooked.c_oflag |= OPOST | ONLCR;
    cooked.c_cflag = (cooked.c_cflag & ~static_cast<tcflag_t>(CSIZE)) | CS7 | PARENB | CSTOPB;
    cfsetspeed(&cooked, B1200);
    ASSERT_EQ(tcsetattr(pty.Master(), TCSANOW, &cooked), 0);
    termios before{};
    ASSERT_EQ(tcgetattr(pty.Master(), &before), 0);

    RecordingReporter reporter;
    DeviceLink link{reporter};
    ASSERT_EQ(link.OpenPort(pty.Port()), kResultOk);

    // A CR arrives as a CR (no CR-to-NL, no waiting for a line), and nothing is echoed back.
    pty.WriteToHost("OKraw\r");
    ReplyBuffer reply{};
    EXPECT_EQ(link.SendCommand(reply, "GINF"), kResultOk);
    EXPECT_EQ(Payload(reply), "raw");
    EXPECT_EQ(pty.ReadFromHost(), "GINF\r");

    termios after{};
    ASSERT_EQ(tcgetattr(pty.Master(), &after), 0);
    EXPECT_EQ(cfgetospeed(&after), static_cast<speed_t>(B1200));
    const tcflag_t lineSettings = CBAUD | CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS;
    EXPECT_EQ(after.c_cflag & lineSettings, before.c_cflag & lineSettings);
}

} // namespace
