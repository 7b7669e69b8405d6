#pragma once
// Numbered serial ports: the names "COM1", "COM12" that the settings, the port dialog and the key byte use.
#include <string>
#include <string_view>
#include <vector>

namespace lm {

// The port number of a "COMn" name: "COM" in any case followed by decimal digits only, the number being their
// value, so "COM01" is port 1 like "COM1". 0 for every other name ("/dev/ttyUSB0", "COM", "COM1x") and for
// port 0, which no port has. Numbers beyond any port's saturate at kComPortLimit.
int ComPortNumber(std::string_view name);

constexpr int kComPortLimit = 100000;

// A serial port as the system reports it.
struct PortEntry {
    std::string name;          // "/dev/ttyUSB0", "COM3"
    std::string description;   // "CP2102 USB to UART Bridge Controller", "" when the system has none
    std::string manufacturer;  // "Silicon Labs", ""
    bool usb = false;          // a USB serial adapter, as programming cables are
};

// Orders the ports for choosing one: USB serial adapters first, then the others, each by name; so with no
// port configured, the first port is the programming cable rather than a built-in serial port.
void OrderPortsForChoice(std::vector<PortEntry>& ports);

// What the system says of a port: "description (manufacturer)", either part alone, or "".
std::string PortDescriptionText(const PortEntry& port);

}  // namespace lm
