#include "sim/device_error.h"
#include "sim/help_text.h"
#include "sim/launch_command.h"
#include "sim/options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace std::chrono_literals;
using tq73sim::Options;
using Mode = tq73sim::Options::Mode;

struct OptionsCase {
    const char* name;
    std::vector<const char*> args;
    Options options;
    friend void PrintTo(const OptionsCase& c, std::ostream* os) { *os << c.name; }
};

class AcceptedOptionsTest : public testing::TestWithParam<OptionsCase> {};

TEST_P(AcceptedOptionsTest, GiveTheseOptions) {
    const OptionsCase& c = GetParam();
    const tq73sim::ParsedOptions parsed = tq73sim::ParseOptions(c.args);
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options, c.options);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, AcceptedOptionsTest,
    testing::Values(
        OptionsCase{"Pty", {"--pty"}, {.mode = Mode::Pty}},
        OptionsCase{"PortAndLog",
                    {"--log", "sim.log", "--port", "/dev/ttyS1"},
                    {.mode = Mode::Port, .portPath = "/dev/ttyS1", .logPath = "sim.log"}},
        OptionsCase{"HelpEndsReading", {"--pty", "--help", "--bogus"}, {}}, OptionsCase{"ShortHelp", {"-h"}, {}},
        OptionsCase{"EveryFault",
                    {"--pty", "--silent", "--byte-delay", "250", "--model", "TQ-74", "--error", "GBRTB=07", "--error",
                     "SBRTA=12", "--trailing-lf", "--long-reply", "--short-reply", "GXCHA", "--short-reply", "GINF"},
                    {.mode = Mode::Pty,
                     .model = "TQ-74",
                     .faults = {.silent = true,
                                .byteDelay = 250ms,
                                .errors = {{"GBRTB", 7}, {"SBRTA", 12}},
                                .trailingLf = true,
                                .longReply = true,
                                .shortReplies = {"GXCHA", "GINF"}}}},
        OptionsCase{"LastErrorForAWordWins",
                    {"--pty", "--error", "GINF=01", "--error", "GINF=99"},
                    {.mode = Mode::Pty, .faults = {.errors = {{"GINF", 99}}}}},
        OptionsCase{"LongestByteDelay",
                    {"--pty", "--byte-delay", "60000"},
                    {.mode = Mode::Pty, .faults = {.byteDelay = 60000ms}}},
        OptionsCase{"EmptyModel", {"--pty", "--model", ""}, {.mode = Mode::Pty, .model = ""}},
        OptionsCase{"LaunchProgram",
                    {"--silent", "--launch", "--log", "sim.log", "build/TQ-73set", "--help", "--", "-x"},
                    {.mode = Mode::Launch,
                     .program = {"build/TQ-73set", "--help", "--", "-x"},
                     .logPath = "sim.log",
                     .faults = {.silent = true}}},
        OptionsCase{"LaunchAfterDashes",
                    {"--launch", "--byte-delay", "5", "--", "--program", "--pty"},
                    {.mode = Mode::Launch, .program = {"--program", "--pty"}, .faults = {.byteDelay = 5ms}}}),
    [](const testing::TestParamInfo<OptionsCase>& info) { return info.param.name; });

struct RefusedCase {
    const char* name;
    std::vector<const char*> args;
    // A word the error text must name, so that the user sees which argument was wrong.
    const char* mentions;
    friend void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }
};

class RefusedOptionsTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedOptionsTest, SayWhy) {
    const RefusedCase& c = GetParam();
    EXPECT_THAT(tq73sim::ParseOptions(c.args).error, testing::HasSubstr(c.mentions));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, RefusedOptionsTest,
    testing::Values(RefusedCase{"Nothing", {}, "--pty"}, RefusedCase{"OnlyFaults", {"--silent"}, "--pty"},
                    RefusedCase{"BothModes", {"--pty", "--port", "/dev/ttyS1"}, "--port"},
                    RefusedCase{"PtyAndLaunch", {"--launch", "--pty", "prog"}, "--launch"},
                    RefusedCase{"LaunchNothing", {"--launch"}, "--launch needs a program"},
                    RefusedCase{"LaunchOnlyDashes", {"--launch", "--silent", "--"}, "--launch needs a program"},
                    RefusedCase{"ProgramWithoutLaunch", {"--pty", "--", "prog"}, "needs --launch"},
                    RefusedCase{"ProgramAndNoMode", {"--", "prog", "--launch"}, "--launch PROGRAM"},
                    RefusedCase{"LaunchUnknownOption", {"--launch", "--bogus", "prog"}, "--bogus"},
                    RefusedCase{"PtyTwice", {"--pty", "--pty"}, "--pty"},
                    RefusedCase{"Unknown", {"--pty", "--bogus"}, "--bogus"},
                    RefusedCase{"Positional", {"--pty", "ttyS1"}, "ttyS1"},
                    RefusedCase{"MissingValue", {"--pty", "--log"}, "--log"},
                    RefusedCase{"EmptyPort", {"--port", ""}, "--port"},
                    RefusedCase{"DelayNotNumber", {"--pty", "--byte-delay", "1s"}, "--byte-delay"},
                    RefusedCase{"DelayNegative", {"--pty", "--byte-delay", "-1"}, "--byte-delay"},
                    RefusedCase{"DelayTooLong", {"--pty", "--byte-delay", "60001"}, "--byte-delay"},
                    RefusedCase{"DelayHuge", {"--pty", "--byte-delay", "99999999999999999999"}, "--byte-delay"},
                    RefusedCase{"ModelWithCr", {"--pty", "--model", "TQ\r73"}, "--model"},
                    RefusedCase{"ErrorNoNumber", {"--pty", "--error", "GBRTB"}, "--error"},
                    RefusedCase{"ErrorOneDigit", {"--pty", "--error", "GBRTB=7"}, "--error"},
                    RefusedCase{"ErrorThreeDigits", {"--pty", "--error", "GBRTB=007"}, "--error"},
                    RefusedCase{"ErrorNotDigits", {"--pty", "--error", "GBRTB=0x"}, "--error"},
                    RefusedCase{"ErrorNoWord", {"--pty", "--error", "=07"}, "--error"},
                    RefusedCase{"ErrorWordWithComma", {"--pty", "--error", "SBRTA,9600=07"}, "--error"},
                    RefusedCase{"ShortReplyEmpty", {"--pty", "--short-reply", ""}, "--short-reply"},
                    RefusedCase{"ShortReplyBlank", {"--pty", "--short-reply", "GB RTA"}, "--short-reply"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST(HelpTextTest, DocumentsEveryOptionAndErrorNumber) {
    const std::string help = tq73sim::HelpText();
    for (const char* option :
         {"--pty", "--port PATH", "--launch", "[--] PROGRAM [ARG]...", "--log FILE", "--help", "--silent",
          "--byte-delay MS", "--model NAME", "--error CMD=NN", "--trailing-lf", "--long-reply", "--short-reply CMD"}) {
        EXPECT_THAT(help, testing::HasSubstr(option));
    }
    EXPECT_THAT(help, testing::HasSubstr(tq73sim::LaunchCommandHelp()));
    for (const tq73sim::DeviceErrorInfo& info : tq73sim::DeviceErrors()) {
        EXPECT_THAT(help, testing::HasSubstr(tq73sim::ErrorReply(info.error) + "  " + info.meaning));
    }
}

} // namespace
