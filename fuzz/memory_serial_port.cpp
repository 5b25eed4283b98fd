#include "fuzz/memory_serial_port.h"

#include <algorithm>
#include <cerrno>

namespace {

constexpr char kEscape = '\xFF';

int ErrorCode(char byte) {
    return 1 + static_cast<unsigned char>(byte);
}

} // namespace

MemorySerialPort::MemorySerialPort(std::string_view script) : m_script(script) {}

int MemorySerialPort::Open(const std::string&) {
    return 0;
}

void MemorySerialPort::Close() {}

void MemorySerialPort::SetTimeouts(const CommTimeouts&) {}

bool MemorySerialPort::EscapeIs(char event) const {
    return m_next + 1 < m_script.size() && m_script[m_next] == kEscape && m_script[m_next + 1] == event;
}

int MemorySerialPort::Write(std::string_view bytes) {
    m_writes.emplace_back(bytes);
    if (m_hungUp) {
        return EIO;
    }
    if (EscapeIs('W')) {
        m_next += 2;
        return m_next < m_script.size() ? ErrorCode(m_script[m_next++]) : ErrorCode(0);
    }
    m_received.clear();
    return 0;
}

SerialPort::ReadStatus MemorySerialPort::ReadByte(char& byte, int& error) {
    while (EscapeIs('W')) {
        m_next = std::min(m_next + 3, m_script.size());
    }
    if (m_hungUp || EscapeIs('H')) {
        m_hungUp = true;
        m_next = m_script.size();
        error = EIO;
        return ReadStatus::Failed;
    }
    if (ScriptEnded()) {
        return ReadStatus::TimedOut;
    }
    if (EscapeIs('T')) {
        m_next += 2;
        return ReadStatus::TimedOut;
    }
    if (EscapeIs('E')) {
        m_next += 2;
        error = m_next < m_script.size() ? ErrorCode(m_script[m_next++]) : ErrorCode(0);
        return ReadStatus::Failed;
    }
    if (EscapeIs(kEscape)) {
        ++m_next;
    }
    byte = m_script[m_next++];
    m_received += byte;
    return ReadStatus::Byte;
}
