#pragma once
// Listing the serial ports and explaining why one cannot be opened.
#include <string>
#include <vector>

#include "core/port_name.h"

namespace lm {

// The serial ports that are present, USB serial adapters first (OrderPortsForChoice), with what the system
// says of each.
std::vector<PortEntry> ListPorts();
// Appends the system names of the serial ports that are present in ListPorts' order (/dev/ttyUSB0,
// /dev/ttyACM0, /dev/ttyS0 ...).
void EnumeratePorts(std::vector<std::string>& list);
// What the system says of a present port ("CP2102 USB to UART Bridge Controller (Silicon Labs)"); "" for
// none.
std::string PortDescription(const std::string& name);
// The device path for a port name: a path stays as it is, "ttyUSB0" becomes "/dev/ttyUSB0".
std::string PortDevicePath(const std::string& name);
// Why opening the device was refused for lack of permission, and how to get it.
std::string PermissionAdvice(const std::string& device);
// Why opening a device that the system refused was refused: busy when the process may read and write it
// (another program holds it open or holds its lock), otherwise the missing permission with PermissionAdvice.
std::string RefusalReason(const std::string& device);

}  // namespace lm
