#pragma once

#include "sim/device.h"

#include <chrono>
#include <string_view>
#include <thread>

namespace tq73sim {

// Serves a Device on a file descriptor (a pseudo-terminal master, or a tty in raw mode) from a thread of its own.
// The descriptor stays the caller's: the server neither opens nor closes it, and it may be blocking or not. While the
// other side is closed (a pty master then reads EIO or hangs up) the server waits and retries, so it keeps serving
// across reopenings.
class Server {
public:
    // Starts serving at once. Throws std::system_error when the thread or its wake-up descriptor cannot be made.
    Server(Device& device, int fd);
    // Stops and joins.
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Stops serving, also in the middle of a reply, and waits for the thread to end. Further calls do nothing.
    void Stop();

private:
    void Run();
    // Writes the reply bytes, with the device's byte delay between them. False when stopped meanwhile.
    bool Send(std::string_view bytes);
    bool WriteAll(std::string_view bytes);
    // Waits `time`; false when stopped meanwhile.
    bool Pause(std::chrono::milliseconds time);

    Device& m_device;
    int m_fd;
    int m_wakeFd;
    std::thread m_thread;
};

} // namespace tq73sim
