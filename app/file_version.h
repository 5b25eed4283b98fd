#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A file version as Windows keeps it: four 16-bit words.
struct FileVersion {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t build = 0;
    std::uint16_t revision = 0;

    friend bool operator==(const FileVersion&, const FileVersion&) = default;
};

// Reads a version written as CMake writes it: one to four decimal numbers joined by dots, the missing ones
// being 0. Nothing when the text is not such a version or a number does not fit a word.
std::optional<FileVersion> ParseFileVersion(std::string_view text);

// The program's own version, as the build set it; nothing when the build set none.
std::optional<FileVersion> ProgramFileVersion();
