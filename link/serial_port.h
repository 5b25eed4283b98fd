#pragma once

#include "link/comm_timeouts.h"

#include <memory>
#include <string>
#include <string_view>

// The operating system's serial port, reduced to what the command exchange needs. Failures are returned as
// the system's error code (errno here, GetLastError() on Windows); 0 means success.
class SerialPort {
public:
    enum class ReadStatus { Byte, TimedOut, Failed };

    virtual ~SerialPort() = default;

    // Opens the port by the system's own name (`ttyACM0`), exclusively, for reading and writing, with the
    // line discipline off and the line settings left as the system has them.
    virtual int Open(const std::string& port) = 0;
    virtual void Close() = 0;
    virtual void SetTimeouts(const CommTimeouts& timeouts) = 0;

    // Sends every byte within the write time-out, or fails.
    virtual int Write(std::string_view bytes) = 0;

    // One byte within the read time-out. A hang-up fails at once rather than timing out.
    virtual ReadStatus ReadByte(char& byte, int& error) = 0;
};

std::unique_ptr<SerialPort> CreateSerialPort();
