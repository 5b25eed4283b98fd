#pragma once

#include "link/serial_port.h"

class SerialPortUnix : public SerialPort {
public:
    ~SerialPortUnix() override;

    int Open(const std::string& port) override;
    void Close() override;
    void SetTimeouts(const CommTimeouts& timeouts) override;
    int Write(std::string_view bytes) override;
    ReadStatus ReadByte(char& byte, int& error) override;

private:
    int m_fd = -1;
    CommTimeouts m_timeouts;
    bool m_replyAwaited = false; // a write has just gone out: nothing of its reply can be waiting yet
};
