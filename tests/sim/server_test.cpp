#include "sim/pseudo_terminal.h"
#include "sim/server.h"

#include "tests/support/line_io.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using tq73sim::Received;
using tq73sim::Sent;
using tq73sim::Transcript;

// A device served on a pty master that the test opened, as a harness hands one over; the test is the host.
class ServerTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_pty.isOpen()) << m_pty.error(); }

    int OpenHost() {
        const int fd = line_io::OpenRaw(m_pty.slavePath());
        EXPECT_GE(fd, 0);
        return fd;
    }

    tq73sim::PseudoTerminal m_pty;
    tq73sim::Device m_device;
    tq73sim::Server m_server{m_device, m_pty.masterFd()};
};

TEST_F(ServerTest, AnswersTheLoadSequenceAndRecordsIt) {
    const int host = OpenHost();
    EXPECT_EQ(line_io::Exchange(host, "GINF"), "OKTQ-73,TQ73-0001,123\r");
    EXPECT_EQ(line_io::Exchange(host, "GBRTA"), "OKA,9600,8,N,1,N,0.00\r");
    EXPECT_EQ(line_io::Exchange(host, "GXCHA"), "OKA,11,13\r");
    EXPECT_EQ(line_io::Exchange(host, "SBRTB,38400,7,E,2,H"), "OKB,38400,7,E,2,H,0.00\r");
    EXPECT_EQ(line_io::Exchange(host, "GXCHB"), "OKB,11,13\r");
    close(host);
    const Transcript expected{Received("GINF"),
                              Sent("OKTQ-73,TQ73-0001,123\r"),
                              Received("GBRTA"),
                              Sent("OKA,9600,8,N,1,N,0.00\r"),
                              Received("GXCHA"),
                              Sent("OKA,11,13\r"),
                              Received("SBRTB,38400,7,E,2,H"),
                              Sent("OKB,38400,7,E,2,H,0.00\r"),
                              Received("GXCHB"),
                              Sent("OKB,11,13\r")};
    EXPECT_EQ(m_device.transcript(), expected);
    EXPECT_EQ(m_device.settings(tq73sim::Port::B).rate, 38400);
}

TEST_F(ServerTest, KeepsServingAcrossCloseAndReopen) {
    for (int round = 0; round < 3; ++round) {
        const int host = OpenHost();
        EXPECT_EQ(line_io::Exchange(host, "GXCHA"), "OKA,11,13\r") << "round " << round;
        close(host);
        // Long enough for the server to meet the hang-up and retry several times.
        std::this_thread::sleep_for(100ms);
    }
}

TEST_F(ServerTest, CommandSentBeforeTheServerLooksIsAnswered) {
    const int host = OpenHost();
    line_io::WriteAll(host, "GIN");
    std::this_thread::sleep_for(50ms);
    line_io::WriteAll(host, "F\r");
    EXPECT_EQ(line_io::ReadUntil(host), "OKTQ-73,TQ73-0001,123\r");
    close(host);
}

TEST_F(ServerTest, FaultsChangeWhileServing) {
    const int host = OpenHost();
    m_device.SetFaults({.silent = true});
    line_io::WriteAll(host, "GINF\r");
    EXPECT_EQ(line_io::ReadFor(host, 300ms), "");
    m_device.SetFaults({.errors = {{"GINF", 7}}, .trailingLf = true});
    EXPECT_EQ(line_io::Exchange(host, "GINF"), "07\r");
    EXPECT_EQ(line_io::ReadUntil(host, '\n'), "\n");
    m_device.SetFaults({.byteDelay = 10ms});
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(line_io::Exchange(host, "GXCHB"), "OKB,11,13\r");
    // Ten bytes, each at least 10 ms after the one before.
    EXPECT_GE(Clock::now() - start, 100ms);
    close(host);
}

TEST_F(ServerTest, StopsWhileNobodyHasTheOtherSideOpen) {
    std::this_thread::sleep_for(50ms);
    const Clock::time_point start = Clock::now();
    m_server.Stop();
    EXPECT_LT(Clock::now() - start, 2s);
    m_server.Stop();
}

TEST_F(ServerTest, StopsInTheMiddleOfASlowReply) {
    const int host = OpenHost();
    m_device.SetFaults({.byteDelay = 60s});
    line_io::WriteAll(host, "GINF\r");
    std::this_thread::sleep_for(50ms);
    const Clock::time_point start = Clock::now();
    m_server.Stop();
    EXPECT_LT(Clock::now() - start, 2s);
    close(host);
}

TEST(ServerLifetimeTest, DestructorStopsAServerThatIsServing) {
    tq73sim::PseudoTerminal pty;
    ASSERT_TRUE(pty.isOpen());
    tq73sim::Device device;
    const int host = line_io::OpenRaw(pty.slavePath());
    {
        tq73sim::Server server(device, pty.masterFd());
        EXPECT_EQ(line_io::Exchange(host, "GINF"), "OKTQ-73,TQ73-0001,123\r");
    }
    line_io::WriteAll(host, "GINF\r");
    EXPECT_EQ(line_io::ReadFor(host, 100ms), "");
    close(host);
}

TEST(PseudoTerminalTest, MasterIsCloseOnExecAndOtherSideRaw) {
    tq73sim::PseudoTerminal pty;
    ASSERT_TRUE(pty.isOpen());
    EXPECT_EQ(pty.error(), 0);
    EXPECT_NE(fcntl(pty.masterFd(), F_GETFD) & FD_CLOEXEC, 0);
    const int host = open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(host, 0);
    termios settings{};
    ASSERT_EQ(tcgetattr(host, &settings), 0);
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(settings.c_iflag & (ICRNL | IXON), 0u);
    EXPECT_EQ(settings.c_oflag & OPOST, 0u);
    close(host);
}

} // namespace
