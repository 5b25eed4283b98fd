#pragma once

#include <string>

// Opens the tty at `path` for reading and writing with its line discipline off (cfmakeraw) and reads that
// wait for at least one byte; non-blocking when asked. -1, with the reason on stderr, when it cannot.
int OpenRawTty(const std::string& path, bool nonBlocking);
