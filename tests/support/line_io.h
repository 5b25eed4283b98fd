#pragma once

#include <chrono>
#include <string>
#include <string_view>

// The host's side of a serial line in tests, with generous time-outs so that a slow machine never fails a test.
namespace line_io {

using namespace std::chrono_literals;

// Opens a tty for reading and writing in raw mode; -1 on failure.
int OpenRaw(const std::string& path);

void WriteAll(int fd, std::string_view bytes);

// Bytes up to and including `last`, or what came before `timeout` passed without it.
std::string ReadUntil(int fd, char last = '\r', std::chrono::milliseconds timeout = 5s);

// Every byte that arrives within `time`.
std::string ReadFor(int fd, std::chrono::milliseconds time);

// Writes `command` and CR, and reads the reply line.
std::string Exchange(int fd, std::string_view command);

} // namespace line_io
