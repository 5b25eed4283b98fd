#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tq73sim {

// The longest command line the device keeps; bytes beyond it are dropped and the line is refused.
inline constexpr std::size_t kMaxCommandLength = 64;

// A command line as the device received it, without its CR.
struct CommandLine {
    std::string text;
    // More than kMaxCommandLength bytes came before the CR; `text` holds the first of them.
    bool tooLong = false;
};

// Collects received bytes into command lines ended by CR. LFs are ignored wherever they come.
class LineAssembler {
public:
    // The completed line when `byte` is its CR.
    std::optional<CommandLine> Push(char byte);

private:
    CommandLine m_line;
};

} // namespace tq73sim
