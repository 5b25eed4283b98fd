#pragma once

#include "sim/faults.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tq73sim {

// What the command line asks for.
struct Options {
    enum class Mode { Help, Pty, Port, Launch };
    Mode mode = Mode::Help;
    // The tty that --port serves.
    std::string portPath{};
    // What --launch starts: the program and its arguments.
    std::vector<std::string> program{};
    // The --log file; empty for none.
    std::string logPath{};
    // The model name GINF reports, when --model changes it.
    std::optional<std::string> model{};
    Faults faults{};

    bool operator==(const Options&) const = default;
};

struct ParsedOptions {
    Options options;
    // Why the command line was refused; empty when it was accepted.
    std::string error;
};

// Reads the arguments that follow the program name.
ParsedOptions ParseOptions(std::span<const char* const> args);

} // namespace tq73sim
