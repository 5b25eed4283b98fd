#include "tests/support/child_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <unistd.h>

namespace {

using testing::HasSubstr;

constexpr const char* kPort = "port TQ-73 USB Serial Device (ttyACM0)";
constexpr const char* kReply = "reply OKTQ-73,TQ73-0001,123\\r";

// tq73-sim --launch with the probe as its program. The probe's report and the launcher's messages share one output.
class LaunchTest : public testing::Test {
protected:
    void SetUp() override {
        // A launcher that died early must fail the test, not end it by a write to its closed input.
        std::signal(SIGPIPE, SIG_IGN);
    }

    void Launch(std::vector<std::string> args) {
        m_sim.emplace(TQ73_SIM_PATH, args);
        ASSERT_TRUE(m_sim->started());
        const std::string dir = LineStartingWith("dir ");
        ASSERT_THAT(dir, testing::StartsWith("dir /"));
        m_dir = dir.substr(4);
        ASSERT_TRUE(std::filesystem::exists(m_dir));
    }

    // Starts the probe waiting for signals, after the launcher's options `args`, and returns once it waits.
    void LaunchWaitingProbe(const std::vector<std::string>& probeArgs = {}, std::vector<std::string> args = {}) {
        args.insert(args.end(), {"--launch", "--", TQ73_LAUNCH_PROBE_PATH});
        args.insert(args.end(), probeArgs.begin(), probeArgs.end());
        ASSERT_NO_FATAL_FAILURE(Launch(args));
        EXPECT_EQ(LineStartingWith("reply "), kReply);
        const std::string pid = LineStartingWith("pid ");
        ASSERT_THAT(pid, testing::StartsWith("pid "));
        m_probe = std::stoi(pid.substr(4));
    }

    // The next line of output that starts with `start`; what the last read gave when none comes in time.
    std::string LineStartingWith(std::string_view start) {
        for (;;) {
            const std::string line = m_sim->ReadOutputLine();
            if (line.empty() || line.starts_with(start)) {
                return line;
            }
        }
    }

    // Reads lines until each of `expected` has come, in whatever order the launcher and the probe print them.
    void ExpectLines(std::multiset<std::string> expected) {
        while (!expected.empty()) {
            const std::string line = m_sim->ReadOutputLine();
            if (line.empty()) {
                break;
            }
            if (const auto found = expected.find(line); found != expected.end()) {
                expected.erase(found);
            }
        }
        EXPECT_THAT(expected, testing::IsEmpty());
    }

    // Asks the probe for GINF: the reply line it prints.
    std::string ProbeReply() {
        kill(m_probe, SIGUSR1);
        return LineStartingWith("reply ");
    }

    void Command(const std::string& command) { m_sim->WriteInput(command + "\n"); }

    // The launcher's exit status, and that it left neither its program nor its testbed behind.
    void ExpectEnded(int status) {
        EXPECT_EQ(m_sim->Wait(), status);
        EXPECT_FALSE(std::filesystem::exists(m_dir)) << m_dir;
        if (m_probe > 0) {
            EXPECT_EQ(kill(m_probe, 0), -1);
            EXPECT_EQ(errno, ESRCH);
        }
    }

    std::optional<ChildProgram> m_sim;
    std::string m_dir;
    pid_t m_probe = -1;
};

TEST_F(LaunchTest, ProgramSeesTheDeviceAndItsExitStatusIsPassedOn) {
    ASSERT_NO_FATAL_FAILURE(Launch({"--launch", TQ73_LAUNCH_PROBE_PATH, "--exit", "3"}));
    EXPECT_EQ(LineStartingWith("port "), kPort);
    EXPECT_EQ(LineStartingWith("reply "), kReply);
    ExpectEnded(3);
}

TEST_F(LaunchTest, OptionsConfigureTheDevice) {
    char logPath[] = "/tmp/tq73-launch-log-XXXXXX";
    const int logFd = mkstemp(logPath);
    ASSERT_GE(logFd, 0);
    close(logFd);
    ASSERT_NO_FATAL_FAILURE(Launch({"--model", "TQ-74", "--launch", "--log", logPath, "--trailing-lf", "--",
                                    TQ73_LAUNCH_PROBE_PATH, "--exit", "0"}));
    EXPECT_EQ(LineStartingWith("reply "), "reply OKTQ-74,TQ73-0001,123\\r");
    ExpectEnded(0);
    std::ifstream log(logPath);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(log), {}), "> GINF\n< OKTQ-74,TQ73-0001,123\\r\\n\n");
    unlink(logPath);
}

TEST_F(LaunchTest, UnplugAndPlugReachTheProgram) {
    ASSERT_NO_FATAL_FAILURE(LaunchWaitingProbe());
    Command("unplug");
    ExpectLines({"tq73-sim: TQ-73 unplugged", "removal"});
    EXPECT_THAT(ProbeReply(), HasSubstr("cannot open /dev/ttyACM0"));
    Command("unplug");
    EXPECT_EQ(LineStartingWith("tq73-sim:"), "tq73-sim: the TQ-73 is not plugged in");

    Command("plug");
    ExpectLines({"tq73-sim: TQ-73 plugged in at /dev/ttyACM0", "arrival"});
    EXPECT_EQ(ProbeReply(), kReply);
    Command("plug");
    EXPECT_EQ(LineStartingWith("tq73-sim:"), "tq73-sim: the TQ-73 is plugged in already");
    Command("quit");
    ExpectEnded(128 + SIGTERM);
}

TEST_F(LaunchTest, UnplugCutsAReplyShortAndPlugStartsClean) {
    // A 29-byte reply takes about 1.5 s: the unplug comes while it is on the wire.
    ASSERT_NO_FATAL_FAILURE(LaunchWaitingProbe({}, {"--byte-delay", "50"}));
    kill(m_probe, SIGUSR1);
    usleep(300'000);
    Command("unplug");
    // The probe's reply and the unplug's lines come in any order.
    std::multiset<std::string> lines;
    while (lines.size() < 3) {
        const std::string line = m_sim->ReadOutputLine();
        ASSERT_FALSE(line.empty());
        lines.insert(line.starts_with("reply ") ? "reply" : line);
    }
    EXPECT_EQ(lines, (std::multiset<std::string>{"reply", "removal", "tq73-sim: TQ-73 unplugged"}));

    Command("plug");
    ExpectLines({"tq73-sim: TQ-73 plugged in at /dev/ttyACM0", "arrival"});
    EXPECT_EQ(ProbeReply(), kReply) << "nothing of the first reply is left on the line";
    Command("quit");
    ExpectEnded(128 + SIGTERM);
}

TEST_F(LaunchTest, SilentOnAndOff) {
    ASSERT_NO_FATAL_FAILURE(LaunchWaitingProbe());
    Command("  silent   on ");
    EXPECT_EQ(LineStartingWith("tq73-sim:"), "tq73-sim: TQ-73 silent: it answers nothing");
    EXPECT_EQ(ProbeReply(), "reply none");
    Command("silent off");
    EXPECT_EQ(LineStartingWith("tq73-sim:"), "tq73-sim: TQ-73 answers again");
    EXPECT_EQ(ProbeReply(), kReply);
    Command("quit");
    ExpectEnded(128 + SIGTERM);
}

TEST_F(LaunchTest, UnknownCommandShowsTheCommands) {
    ASSERT_NO_FATAL_FAILURE(LaunchWaitingProbe());
    Command("unplug now\x1b");
    EXPECT_EQ(LineStartingWith("tq73-sim:"), "tq73-sim: unknown command 'unplug now\\x1B'");
    EXPECT_THAT(LineStartingWith("  quit"), HasSubstr("SIGKILL"));
    EXPECT_EQ(ProbeReply(), kReply);
    Command("quit");
    ExpectEnded(128 + SIGTERM);
}

TEST_F(LaunchTest, QuitKillsAProgramThatIgnoresSigterm) {
    ASSERT_NO_FATAL_FAILURE(LaunchWaitingProbe({"--ignore-term"}));
    Command("quit");
    ExpectEnded(128 + SIGKILL);
}

// Without a terminal the launcher goes on serving until the program ends by itself.
TEST_F(LaunchTest, ServesOnAfterInputEnds) {
    ASSERT_NO_FATAL_FAILURE(LaunchWaitingProbe());
    m_sim->CloseInput();
    EXPECT_EQ(ProbeReply(), kReply);
    kill(m_probe, SIGINT);
    ExpectEnded(128 + SIGINT);
}

TEST(LaunchUsageTest, ProgramThatCannotStart) {
    ChildProgram sim(TQ73_SIM_PATH, {"--launch", "/nonexistent/program"});
    ASSERT_TRUE(sim.started());
    EXPECT_EQ(sim.Wait(), 127);
    EXPECT_THAT(sim.ErrorOutput(), HasSubstr("tq73-sim: cannot start /nonexistent/program: No such file"));
}

class StopSignalTest : public LaunchTest, public testing::WithParamInterface<int> {};

TEST_P(StopSignalTest, IsPassedOnToTheProgram) {
    ASSERT_NO_FATAL_FAILURE(LaunchWaitingProbe());
    m_sim->Signal(GetParam());
    ExpectEnded(128 + GetParam());
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignalTest, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const testing::TestParamInfo<int>& info) { return std::string(sigabbrev_np(info.param)); });

} // namespace
