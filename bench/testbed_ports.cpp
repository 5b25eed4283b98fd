// bench-testbed PORTS: a umockdev testbed with PORTS fake USB serial adapters (ttyUSB0 ...), each with its
// node. Prints the testbed's directory, the UMOCKDEV_DIR under which a program started through
// testbed/umockdev-run sees these ports instead of the system's, and keeps the testbed until stdin closes.
#include "testbed/testbed.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

namespace {

// One FTDI adapter on USB port @P as the kernel and udev show it; @N is its tty's number.
constexpr std::string_view kAdapter = R"(P: /devices/pci0000:00/0000:00:14.0/usb1/1-@P/1-@P:1.0/ttyUSB@N/tty/ttyUSB@N
N: ttyUSB@N
E: DEVNAME=/dev/ttyUSB@N
E: SUBSYSTEM=tty
E: ID_BUS=usb
E: ID_VENDOR_ID=0403
E: ID_MODEL_ID=6001
E: ID_MODEL=FT232R_USB_UART
E: ID_MODEL_FROM_DATABASE=FT232 Serial (UART) IC
E: ID_USB_DRIVER=ftdi_sio
A: dev=188:@N

P: /devices/pci0000:00/0000:00:14.0/usb1/1-@P/1-@P:1.0/ttyUSB@N
E: DRIVER=ftdi_sio
E: SUBSYSTEM=usb-serial
L: driver=../../../../../../../bus/usb-serial/drivers/ftdi_sio

P: /devices/pci0000:00/0000:00:14.0/usb1/1-@P/1-@P:1.0
E: DEVTYPE=usb_interface
E: DRIVER=ftdi_sio
E: SUBSYSTEM=usb
A: bInterfaceClass=ff
L: driver=../../../../../../bus/usb/drivers/ftdi_sio

P: /devices/pci0000:00/0000:00:14.0/usb1/1-@P
E: DEVTYPE=usb_device
E: DRIVER=usb
E: SUBSYSTEM=usb
A: idVendor=0403
A: idProduct=6001
A: product=FT232R USB UART
L: driver=../../../../../bus/usb/drivers/usb
)";

std::string AdapterDescription(int index) {
    std::string description;
    for (std::size_t at = 0; at < kAdapter.size();) {
        const std::size_t mark = std::min(kAdapter.find('@', at), kAdapter.size());
        description.append(kAdapter.substr(at, mark - at));
        if (mark == kAdapter.size()) {
            break;
        }
        description += std::to_string(kAdapter[mark + 1] == 'P' ? index + 1 : index);
        at = mark + 2;
    }
    return description;
}

} // namespace

int main(int argc, char** argv) {
    const int ports = argc == 2 ? std::atoi(argv[1]) : 0;
    if (ports < 1) {
        std::fprintf(stderr, "usage: bench-testbed PORTS\n");
        return 2;
    }
    Testbed testbed;
    for (int i = 0; i < ports; ++i) {
        if (!testbed.Add(AdapterDescription(i))) {
            return 1;
        }
    }
    const char* directory = std::getenv("UMOCKDEV_DIR");
    if (directory == nullptr) {
        std::fprintf(stderr, "bench-testbed: umockdev set no UMOCKDEV_DIR\n");
        return 1;
    }
    std::printf("%s\n", directory);
    std::fflush(stdout);
    // Wait until the caller closes stdin, whatever it sends.
    std::string ignored;
    while (std::getline(std::cin, ignored)) {
    }
    return 0;
}
