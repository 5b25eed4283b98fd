#include "testbed/fake_device.h"

namespace {

// Each description starts with the tty and goes outwards through its parents, written as the kernel shows
// them, driver links included, so that a port's driver and bus are found as on a real system; the udev
// properties are those udev's own rules would add.
constexpr FakeDeviceRecord kTq73{"ttyACM0", "P: /devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/tty/ttyACM0\n"
                                            "N: ttyACM0\n"
                                            "E: DEVNAME=/dev/ttyACM0\n"
                                            "E: SUBSYSTEM=tty\n"
                                            "E: ID_BUS=usb\n"
                                            "E: ID_MODEL=TQ-73\n"
                                            "E: ID_USB_DRIVER=cdc_acm\n"
                                            "A: dev=166:0\n"
                                            "\n"
                                            "P: /devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0\n"
                                            "E: DEVTYPE=usb_interface\n"
                                            "E: DRIVER=cdc_acm\n"
                                            "E: SUBSYSTEM=usb\n"
                                            "A: bInterfaceClass=02\n"
                                            "A: bInterfaceSubClass=02\n"
                                            "L: driver=../../../../../../bus/usb/drivers/cdc_acm\n"
                                            "\n"
                                            "P: /devices/pci0000:00/0000:00:14.0/usb1/1-2\n"
                                            "E: DEVTYPE=usb_device\n"
                                            "E: DRIVER=usb\n"
                                            "E: SUBSYSTEM=usb\n"
                                            "A: product=TQ-73\n"
                                            "L: driver=../../../../../bus/usb/drivers/usb\n"};

constexpr FakeDeviceRecord kUsbSerialAdapter{
    "ttyUSB0", "P: /devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/ttyUSB0/tty/ttyUSB0\n"
               "N: ttyUSB0\n"
               "E: DEVNAME=/dev/ttyUSB0\n"
               "E: SUBSYSTEM=tty\n"
               "E: ID_BUS=usb\n"
               "E: ID_VENDOR_ID=0403\n"
               "E: ID_MODEL_ID=6001\n"
               "E: ID_MODEL=FT232R_USB_UART\n"
               "E: ID_MODEL_FROM_DATABASE=FT232 Serial (UART) IC\n"
               "E: ID_USB_DRIVER=ftdi_sio\n"
               "A: dev=188:0\n"
               "\n"
               "P: /devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/ttyUSB0\n"
               "E: DRIVER=ftdi_sio\n"
               "E: SUBSYSTEM=usb-serial\n"
               "L: driver=../../../../../../../bus/usb-serial/drivers/ftdi_sio\n"
               "\n"
               "P: /devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0\n"
               "E: DEVTYPE=usb_interface\n"
               "E: DRIVER=ftdi_sio\n"
               "E: SUBSYSTEM=usb\n"
               "L: driver=../../../../../../bus/usb/drivers/ftdi_sio\n"
               "\n"
               "P: /devices/pci0000:00/0000:00:14.0/usb1/1-1\n"
               "E: DEVTYPE=usb_device\n"
               "E: DRIVER=usb\n"
               "E: SUBSYSTEM=usb\n"
               "A: idVendor=0403\n"
               "A: idProduct=6001\n"
               "L: driver=../../../../../bus/usb/drivers/usb\n"};

// The 8250 driver's ports sit below its platform device; "type" is the UART it found there.
constexpr FakeDeviceRecord kSerialPort{"ttyS0", "P: /devices/platform/serial8250/tty/ttyS0\n"
                                                "N: ttyS0\n"
                                                "E: DEVNAME=/dev/ttyS0\n"
                                                "E: SUBSYSTEM=tty\n"
                                                "A: dev=4:64\n"
                                                "A: type=4\n"
                                                "\n"
                                                "P: /devices/platform/serial8250\n"
                                                "E: DRIVER=serial8250\n"
                                                "E: SUBSYSTEM=platform\n"
                                                "L: driver=../../../bus/platform/drivers/serial8250\n"};

// The same port with no UART found: type 0, unknown.
constexpr FakeDeviceRecord kPhantomSerialPort{"ttyS0", "P: /devices/platform/serial8250/tty/ttyS0\n"
                                                       "N: ttyS0\n"
                                                       "E: DEVNAME=/dev/ttyS0\n"
                                                       "E: SUBSYSTEM=tty\n"
                                                       "A: dev=4:64\n"
                                                       "A: type=0\n"
                                                       "\n"
                                                       "P: /devices/platform/serial8250\n"
                                                       "E: DRIVER=serial8250\n"
                                                       "E: SUBSYSTEM=platform\n"
                                                       "L: driver=../../../bus/platform/drivers/serial8250\n"};

} // namespace

const FakeDeviceRecord& RecordOf(FakeDevice device) {
    switch (device) {
    case FakeDevice::Tq73:
        return kTq73;
    case FakeDevice::UsbSerialAdapter:
        return kUsbSerialAdapter;
    case FakeDevice::SerialPort:
        return kSerialPort;
    case FakeDevice::PhantomSerialPort:
        return kPhantomSerialPort;
    }
    return kTq73;
}
