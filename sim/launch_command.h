#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace tq73sim {

// What the launcher's terminal asks for, one command a line.
enum class LaunchCommand { None, Unplug, Plug, SilentOn, SilentOff, Help, Quit, Unknown };

// How long `quit` lets the program end on SIGTERM before it is killed.
inline constexpr std::chrono::seconds kQuitGrace{2};

// The command on `line`, whose words may be separated and surrounded by any blanks, as in " silent  on\r".
// A blank line is None.
LaunchCommand ParseLaunchCommand(std::string_view line);

// The list of commands that `help` prints.
std::string LaunchCommandHelp();

} // namespace tq73sim
