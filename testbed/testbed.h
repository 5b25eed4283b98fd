#pragma once

#include "testbed/fake_device.h"

#include <string>
#include <sys/types.h>

struct _UMockdevTestbed;

// A umockdev testbed: a private sysfs, udev database and /dev in which fake devices are plugged in and
// removed. A program sees it instead of the system's devices when it runs under umockdev-wrapper (see
// testbed/umockdev-run). Create the testbed before any udev object of the program: udev events reach only
// listeners that started after it.
class Testbed {
public:
    Testbed();
    ~Testbed();
    Testbed(const Testbed&) = delete;
    Testbed& operator=(const Testbed&) = delete;

    // True when this process sees testbeds instead of the system's devices.
    static bool Active();

    // Adds devices written in umockdev-record's format; each announces itself with an "add" event, as a
    // device that is plugged in does. A node ("N:" line) can be given once in a testbed's life. False, with
    // the reason on stderr, when the description is invalid.
    bool Add(const std::string& description);
    // Plugs the device in, announced by "add" events; a device plugged in again starts with nothing on its
    // line, as a new device does. False when it, or another device in its place, is plugged in already.
    bool Plug(FakeDevice device);
    // Hangs up the device's tty, as the kernel does when a USB serial device goes away (a program holding
    // the node open then reads end of file and fails to write), announces the removal, then takes the device
    // and its node away. Hanging up needs CAP_SYS_ADMIN; without it the node is only taken away. Nothing
    // when the device is not plugged in.
    void Unplug(FakeDevice device);
    // Gives the device's node to `group` as udev gives serial ports to "dialout" (owner root, group `group`,
    // mode 0660), and lets processes without privileges reach the testbed's nodes at all, as they reach /dev.
    // False when the device was never plugged in or the modes cannot be changed.
    bool GiveNodeToGroup(FakeDevice device, gid_t group);
    // The master side of the pseudo-terminal behind the device's node: what the program writes to the node
    // is read here, what is written here the program reads. -1 before the device was first plugged in.
    // umockdev keeps it open for the testbed's whole life, across unplugging and plugging in again: never
    // close it. It is not inherited by child processes.
    int MasterFd(FakeDevice device) const;

private:
    bool IsPlugged(const FakeDeviceRecord& record) const;

    _UMockdevTestbed* m_testbed;
    std::string m_rootDir;
};
