#include "sim/options.h"

#include <string_view>

namespace tq73sim {
namespace {

constexpr int kMaxByteDelayMs = 60'000;

bool IsDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A command word as a host sends it: printable ASCII without the comma that would end it.
bool IsCommandWord(std::string_view text) {
    for (const char c : text) {
        if (c < 0x21 || c > 0x7E || c == ',') {
            return false;
        }
    }
    return !text.empty();
}

std::string SetMode(Options& options, Options::Mode mode) {
    if (options.mode != Options::Mode::Help) {
        return "give only one of --pty, --port and --launch";
    }
    options.mode = mode;
    return "";
}

// Each reader takes an option's value and returns why it is refused, or "".
std::string ReadPort(std::string_view value, Options& options) {
    if (value.empty()) {
        return "--port needs a path";
    }
    options.portPath = value;
    return SetMode(options, Options::Mode::Port);
}

std::string ReadLog(std::string_view value, Options& options) {
    if (value.empty()) {
        return "--log needs a file name";
    }
    options.logPath = value;
    return "";
}

std::string ReadByteDelay(std::string_view value, Options& options) {
    // Five digits at most keeps the conversion far from overflowing.
    if (!IsDigits(value) || value.size() > 5 || std::stoi(std::string(value)) > kMaxByteDelayMs) {
        return "--byte-delay takes milliseconds from 0 to " + std::to_string(kMaxByteDelayMs);
    }
    options.faults.byteDelay = std::chrono::milliseconds(std::stoi(std::string(value)));
    return "";
}

std::string ReadModel(std::string_view value, Options& options) {
    if (value.find_first_of("\r\n") != std::string_view::npos) {
        return "--model must not contain CR or LF";
    }
    options.model = value;
    return "";
}

std::string ReadError(std::string_view value, Options& options) {
    const std::size_t equals = value.rfind('=');
    const std::string_view word = value.substr(0, equals);
    const std::string_view number = equals == std::string_view::npos ? "" : value.substr(equals + 1);
    if (!IsCommandWord(word) || number.size() != 2 || !IsDigits(number)) {
        return "--error takes CMD=NN: a command word and two decimal digits, as in GBRTB=07";
    }
    options.faults.errors[std::string(word)] = std::stoi(std::string(number));
    return "";
}

std::string ReadShortReply(std::string_view value, Options& options) {
    if (!IsCommandWord(value)) {
        return "--short-reply takes a command word, as in GBRTA";
    }
    options.faults.shortReplies.emplace(value);
    return "";
}

struct ValueOption {
    std::string_view name;
    std::string (*read)(std::string_view value, Options& options);
};

constexpr ValueOption kValueOptions[] = {
    {"--port", ReadPort},   {"--log", ReadLog},     {"--byte-delay", ReadByteDelay},
    {"--model", ReadModel}, {"--error", ReadError}, {"--short-reply", ReadShortReply},
};

// Reads the option at args[i], and its value when it takes one (advancing i past it).
std::string ReadOption(std::span<const char* const> args, std::size_t& i, Options& options) {
    const std::string_view option = args[i];
    if (option == "--pty") {
        return SetMode(options, Options::Mode::Pty);
    }
    if (option == "--launch") {
        return SetMode(options, Options::Mode::Launch);
    }
    if (option == "--silent") {
        options.faults.silent = true;
        return "";
    }
    if (option == "--trailing-lf") {
        options.faults.trailingLf = true;
        return "";
    }
    if (option == "--long-reply") {
        options.faults.longReply = true;
        return "";
    }
    for (const ValueOption& valueOption : kValueOptions) {
        if (option == valueOption.name) {
            if (i + 1 >= args.size()) {
                return std::string(option) + " needs a value";
            }
            return valueOption.read(args[++i], options);
        }
    }
    return "unknown option '" + std::string(option) + "'";
}

} // namespace

ParsedOptions ParseOptions(std::span<const char* const> args) {
    ParsedOptions parsed;
    Options& options = parsed.options;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--") {
            ++i;
            break;
        }
        // The first word that is no option starts the program; what follows is the program's, however it looks.
        if (options.mode == Options::Mode::Launch && !arg.starts_with('-')) {
            break;
        }
        if (arg == "--help" || arg == "-h") {
            return {};
        }
        parsed.error = ReadOption(args, i, options);
        if (!parsed.error.empty()) {
            return parsed;
        }
    }
    options.program.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    if (options.mode == Options::Mode::Help) {
        parsed.error = "give --pty, --port PATH or --launch PROGRAM";
    } else if (options.mode == Options::Mode::Launch && options.program.empty()) {
        parsed.error = "--launch needs a program to start";
    } else if (options.mode != Options::Mode::Launch && !options.program.empty()) {
        parsed.error = "a program to start needs --launch";
    }
    return parsed;
}

} // namespace tq73sim
