#pragma once

#include "bench/load_client.h"

#include <functional>
#include <memory>
#include <string>

// Opens a client on the port at a path; null, with the reason on stderr, when it cannot.
using LoadClientFactory = std::function<std::unique_ptr<LoadClient>(const std::string& path)>;

// The main of every load program, `PROGRAM PATH LOADS`: opens the port, runs the five-command load LOADS times
// and prints "us_per_load <microseconds>". LOADS may be 0, so that a system call count of the start alone
// can be taken off a count of a whole run.
int RunLoadProgram(int argc, char** argv, const LoadClientFactory& open);
