#pragma once

#include <string_view>

// The devices a testbed can plug in.
enum class FakeDevice {
    Tq73,              // the TQ-73: a USB CDC-ACM device at ttyACM0
    UsbSerialAdapter,  // an FTDI USB serial adapter at ttyUSB0
    SerialPort,        // an on-board 16550A of the 8250 driver at ttyS0
    PhantomSerialPort, // ttyS0 of the 8250 driver with no UART behind it
};

struct FakeDeviceRecord {
    std::string_view node; // under /dev/
    // umockdev-record's format: the tty first, then its parents outwards.
    std::string_view description;
};

const FakeDeviceRecord& RecordOf(FakeDevice device);
