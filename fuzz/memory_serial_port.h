#pragma once

#include "link/serial_port.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A serial port in memory that plays a device from a script of bytes. Each byte of the script arrives as it
// is, except for an escape byte 0xFF and the byte after it:
//   0xFF 'T'    one read times out
//   0xFF 'H'    the device is unplugged: this and every later read and write fails with EIO
//   0xFF 'E' e  one read fails with the error code 1 + e
//   0xFF 'W' e  the next write fails with the error code 1 + e (when it is next in the script at that time;
//               a read that meets it passes over it)
//   0xFF 0xFF   a 0xFF byte arrives
// An escape byte followed by anything else, or by nothing, arrives itself. After the end of the script every
// read times out, as with a device that has gone silent.
class MemorySerialPort : public SerialPort {
public:
    explicit MemorySerialPort(std::string_view script);

    int Open(const std::string& port) override;
    void Close() override;
    void SetTimeouts(const CommTimeouts& timeouts) override;
    int Write(std::string_view bytes) override;
    ReadStatus ReadByte(char& byte, int& error) override;

    bool ScriptEnded() const { return m_next == m_script.size(); }
    // Every write asked for, whether it succeeded or not.
    const std::vector<std::string>& Writes() const { return m_writes; }
    // The bytes that arrived since the last successful write.
    const std::string& Received() const { return m_received; }

private:
    bool EscapeIs(char event) const;

    std::string_view m_script;
    std::size_t m_next = 0;
    bool m_hungUp = false;
    std::vector<std::string> m_writes;
    std::string m_received;
};
