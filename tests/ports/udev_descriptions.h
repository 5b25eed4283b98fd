#pragma once

#include <string>

// Ports beyond the testbed's named devices, in umockdev-record's format, for the cases those do not cover.
namespace udev_descriptions {

// A port of a PNP serial controller at ttyS<line>, without driver; sorts after the platform ports.
std::string PnpPort(int line);
// A port of a PCI serial card at ttyS<line>; sorts before every other port of the testbed.
std::string PciPort(int line);

} // namespace udev_descriptions
