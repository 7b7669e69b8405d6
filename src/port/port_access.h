#pragma once
// Listing the serial ports and explaining why one cannot be opened.
#include <string>
#include <vector>

namespace lm {

// Appends the system names of the serial ports that are present (/dev/ttyUSB0, /dev/ttyACM0, /dev/ttyS0 ...).
void EnumeratePorts(std::vector<std::string>& list);
// The device path for a port name: a path stays as it is, "ttyUSB0" becomes "/dev/ttyUSB0".
std::string PortDevicePath(const std::string& name);
// Why opening the device was refused for lack of permission, and how to get it.
std::string PermissionAdvice(const std::string& device);
// Why opening a device that the system refused was refused: busy when the process may read and write it
// (another program holds it open or holds its lock), otherwise the missing permission with PermissionAdvice.
std::string RefusalReason(const std::string& device);

}  // namespace lm
