#include "app/file_version.h"

#include <array>
#include <charconv>

std::optional<FileVersion> ParseFileVersion(std::string_view text) {
    std::array<std::uint16_t, 4> words{};
    std::size_t count = 0;
    const char* next = text.data();
    const char* const end = text.data() + text.size();
    for (;;) {
        if (count == words.size()) {
            return std::nullopt;
        }
        // from_chars takes neither signs nor blanks, and refuses a number too large for a word.
        const auto [stop, error] = std::from_chars(next, end, words[count]);
        if (error != std::errc()) {
            return std::nullopt;
        }
        ++count;
        if (stop == end) {
            break;
        }
        if (*stop != '.') {
            return std::nullopt;
        }
        next = stop + 1;
    }
    return FileVersion{words[0], words[1], words[2], words[3]};
}

std::optional<FileVersion> ProgramFileVersion() {
    return ParseFileVersion(TQ73_FILE_VERSION);
}
