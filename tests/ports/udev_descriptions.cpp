#include "tests/ports/udev_descriptions.h"

namespace udev_descriptions {

std::string PnpPort(int line) {
    const std::string tty = "ttyS" + std::to_string(line);
    const std::string parent = "/devices/pnp0/00:" + std::to_string(10 + line);
    return "P: " + parent + "/tty/" + tty + "\nN: " + tty + "\nE: DEVNAME=/dev/" + tty +
           "\nE: SUBSYSTEM=tty\nA: type=4\n\nP: " + parent + "\nE: SUBSYSTEM=pnp\n";
}

std::string PciPort(int line) {
    const std::string tty = "ttyS" + std::to_string(line);
    const std::string parent = "/devices/pci0000:00/0000:00:03." + std::to_string(line);
    return "P: " + parent + "/tty/" + tty + "\nN: " + tty + "\nE: DEVNAME=/dev/" + tty +
           "\nE: SUBSYSTEM=tty\nA: type=4\n\nP: " + parent +
           "\nE: DRIVER=serial\nE: SUBSYSTEM=pci\nL: driver=../../../bus/pci/drivers/serial\n";
}

} // namespace udev_descriptions
