#pragma once

#include <functional>

// Lists the serial ports present once; the number found, or -1 when the listing failed.
using PortListing = std::function<int()>;

// The main of every enumeration program, `PROGRAM CALLS`: lists the ports CALLS times and prints
// "us_per_call <microseconds> ports <number found>".
int RunEnumerationProgram(int argc, char** argv, const PortListing& list);
