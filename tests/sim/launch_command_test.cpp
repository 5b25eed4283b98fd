#include "sim/launch_command.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using tq73sim::LaunchCommand;

struct CommandCase {
    const char* name;
    const char* line;
    LaunchCommand command;
    friend void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }
};

class LaunchCommandTest : public testing::TestWithParam<CommandCase> {};

TEST_P(LaunchCommandTest, IsRead) {
    EXPECT_EQ(tq73sim::ParseLaunchCommand(GetParam().line), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(Lines, LaunchCommandTest,
                         testing::Values(CommandCase{"Unplug", "unplug", LaunchCommand::Unplug},
                                         CommandCase{"Plug", "plug", LaunchCommand::Plug},
                                         CommandCase{"SilentOn", "silent on", LaunchCommand::SilentOn},
                                         CommandCase{"SilentOff", "silent off", LaunchCommand::SilentOff},
                                         CommandCase{"Help", "help", LaunchCommand::Help},
                                         CommandCase{"Quit", "quit", LaunchCommand::Quit},
                                         CommandCase{"Empty", "", LaunchCommand::None},
                                         CommandCase{"Blank", " \t\r", LaunchCommand::None},
                                         CommandCase{"BlanksAround", "\t silent \t off \r", LaunchCommand::SilentOff},
                                         CommandCase{"CarriageReturn", "quit\r", LaunchCommand::Quit},
                                         CommandCase{"SilentAlone", "silent", LaunchCommand::Unknown},
                                         CommandCase{"SilentMaybe", "silent maybe", LaunchCommand::Unknown},
                                         CommandCase{"ExtraWord", "quit now", LaunchCommand::Unknown},
                                         CommandCase{"Joined", "silenton", LaunchCommand::Unknown},
                                         CommandCase{"UpperCase", "QUIT", LaunchCommand::Unknown},
                                         CommandCase{"Prefix", "un", LaunchCommand::Unknown}),
                         [](const testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

TEST(LaunchCommandHelpTest, ListsEveryCommand) {
    const std::string help = tq73sim::LaunchCommandHelp();
    for (const char* command : {"  unplug ", "  plug ", "  silent on ", "  silent off ", "  help ", "  quit "}) {
        EXPECT_THAT(help, testing::HasSubstr(command));
    }
}

} // namespace
