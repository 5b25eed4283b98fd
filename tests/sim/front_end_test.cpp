#include "sim/pseudo_terminal.h"

#include "tests/support/child_program.h"
#include "tests/support/line_io.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

std::string ReadFile(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(PtyFrontEndTest, AnswersGinfOverItsPtyUntilInputCloses) {
    ChildProgram sim(TQ73_SIM_PATH, {"--pty"});
    ASSERT_TRUE(sim.started());
    const std::string path = sim.ReadOutputLine();
    ASSERT_THAT(path, testing::StartsWith("/dev/pts/"));
    const int host = line_io::OpenRaw(path);
    ASSERT_GE(host, 0);
    EXPECT_EQ(line_io::Exchange(host, "GINF"), "OKTQ-73,TQ73-0001,123\r");
    close(host);
    sim.CloseInput();
    EXPECT_EQ(sim.Wait(), 0);
}

TEST(PtyFrontEndTest, LogsEveryLineAndStopsOnSigterm) {
    char logPath[] = "/tmp/tq73-sim-log-XXXXXX";
    const int logFd = mkstemp(logPath);
    ASSERT_GE(logFd, 0);
    close(logFd);
    ChildProgram sim(TQ73_SIM_PATH, {"--pty", "--log", logPath, "--model", "TQ-74", "--error", "GBRTB=07",
                                     "--short-reply", "GXCHA", "--trailing-lf"});
    const int host = line_io::OpenRaw(sim.ReadOutputLine());
    ASSERT_GE(host, 0);
    line_io::WriteAll(host, "GINF\r");
    EXPECT_EQ(line_io::ReadUntil(host, '\n'), "OKTQ-74,TQ73-0001,123\r\n");
    EXPECT_EQ(line_io::Exchange(host, "GBRTB"), "07\r");
    EXPECT_EQ(line_io::ReadUntil(host, '\n'), "\n");
    EXPECT_EQ(line_io::Exchange(host, "GXCHA"), "OKA,11\r");
    close(host);
    sim.Signal(SIGTERM);
    EXPECT_EQ(sim.Wait(), 0);
    EXPECT_EQ(ReadFile(logPath), "> GINF\n< OKTQ-74,TQ73-0001,123\\r\\n\n"
                                 "> GBRTB\n< 07\\r\\n\n"
                                 "> GXCHA\n< OKA,11\\r\\n\n");
    unlink(logPath);
}

// The tty starts cooked, as a real serial port does: with echo and CR-to-NL translation still on, the device
// would never see a CR and would hear its own replies.
TEST(PortFrontEndTest, ServesAnExistingTtyInRawModeAndRestoresIt) {
    tq73sim::PseudoTerminal pty;
    ASSERT_TRUE(pty.isOpen());
    termios cooked{};
    ASSERT_EQ(tcgetattr(pty.masterFd(), &cooked), 0);
    cooked.c_lflag |= ICANON | ECHO;
    cooked.c_iflag |= ICRNL;
    ASSERT_EQ(tcsetattr(pty.masterFd(), TCSANOW, &cooked), 0);

    ChildProgram sim(TQ73_SIM_PATH, {"--port", pty.slavePath()});
    ASSERT_TRUE(sim.started());
    termios seen{};
    for (int i = 0; i < 500 && tcgetattr(pty.masterFd(), &seen) == 0 && (seen.c_lflag & ICANON) != 0; ++i) {
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_EQ(seen.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(seen.c_iflag & ICRNL, 0u);
    EXPECT_EQ(line_io::Exchange(pty.masterFd(), "GXCHB"), "OKB,11,13\r");

    sim.Signal(SIGTERM);
    EXPECT_EQ(sim.Wait(), 0);
    termios after{};
    ASSERT_EQ(tcgetattr(pty.masterFd(), &after), 0);
    EXPECT_EQ(after.c_lflag & (ICANON | ECHO), ICANON | ECHO);
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* message;
    friend void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }
};

class UsageTest : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageTest, EndsWithStatusAndMessage) {
    const UsageCase& c = GetParam();
    ChildProgram sim(TQ73_SIM_PATH, c.args);
    ASSERT_TRUE(sim.started());
    EXPECT_EQ(sim.Wait(), c.status);
    EXPECT_THAT(sim.ErrorOutput(), testing::HasSubstr(c.message));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, UsageTest,
    testing::Values(UsageCase{"Help", {"--help"}, 0, ""},
                    UsageCase{"NoMode", {}, 2, "tq73-sim: give --pty, --port PATH or --launch PROGRAM"},
                    UsageCase{"BadOption", {"--pty", "--byte-delay", "x"}, 2, "--byte-delay"},
                    UsageCase{"MissingPort", {"--port", "/nonexistent/tty"}, 1, "cannot open /nonexistent/tty"},
                    UsageCase{"NotATty", {"--port", "/dev/null"}, 1, "raw mode"},
                    UsageCase{"UnwritableLog", {"--pty", "--log", "/nonexistent/dir/log"}, 1, "cannot write"}),
    [](const testing::TestParamInfo<UsageCase>& info) { return info.param.name; });

} // namespace
