#include "sim/launch_command.h"

namespace tq73sim {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

// The words of `line` with one space between them.
std::string Normalized(std::string_view line) {
    std::string words;
    for (std::size_t start = line.find_first_not_of(kBlanks); start != std::string_view::npos;
         start = line.find_first_not_of(kBlanks, start)) {
        const std::size_t end = std::min(line.find_first_of(kBlanks, start), line.size());
        if (!words.empty()) {
            words += ' ';
        }
        words += line.substr(start, end - start);
        start = end;
    }
    return words;
}

struct CommandText {
    std::string_view text;
    LaunchCommand command;
};

constexpr CommandText kCommands[] = {
    {"", LaunchCommand::None},
    {"unplug", LaunchCommand::Unplug},
    {"plug", LaunchCommand::Plug},
    {"silent on", LaunchCommand::SilentOn},
    {"silent off", LaunchCommand::SilentOff},
    {"help", LaunchCommand::Help},
    {"quit", LaunchCommand::Quit},
};

} // namespace

LaunchCommand ParseLaunchCommand(std::string_view line) {
    const std::string words = Normalized(line);
    for (const CommandText& command : kCommands) {
        if (words == command.text) {
            return command.command;
        }
    }
    return LaunchCommand::Unknown;
}

std::string LaunchCommandHelp() {
    return R"(Commands of --launch, one a line on standard input:
  unplug       unplug the TQ-73: it stops sending, its line hangs up, and /dev/ttyACM0 goes away, announced
               by a udev "remove" event
  plug         plug it in again, with nothing left on its line, announced by "add" events
  silent on    the device receives commands and answers nothing
  silent off   the device answers again
  help         show this list
  quit         end the program (SIGTERM, then SIGKILL after )" +
           std::to_string(kQuitGrace.count()) + R"( s) and with it the simulator
)";
}

} // namespace tq73sim
