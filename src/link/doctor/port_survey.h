#pragma once
// What the system tells of its serial ports: the ports that are present (from /sys/class/tty), the USB
// adapter behind each with its driver, who holds a port open, and what the kernel logged about a port.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/doctor/system_root.h"

namespace lm::doctor {

struct UsbDevice {
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    std::string manufacturer;  // as the device reports it, "" when it does not
    std::string name;          // the device's product string
    std::string path;          // its folder under /sys
};

struct SerialPortInfo {
    std::string name;    // "ttyUSB0"
    std::string device;  // "/dev/ttyUSB0"
    std::optional<UsbDevice> usb;
    std::string driver;  // "ch341-uart", "cp210x", "cdc_acm"; "" when unknown
};

// The serial ports of the machine that have hardware behind them, USB adapters first, each by name. A
// built-in port whose kernel reports no UART (a ttyS that exists only on paper) is left out.
std::vector<SerialPortInfo> ListSerialPorts(const SystemRoot& root);
// The port with this device path or name ("/dev/ttyUSB0", "ttyUSB0"); nullopt when the system has no such
// port.
std::optional<SerialPortInfo> FindSerialPort(const SystemRoot& root, const std::string& device);

// The USB devices that are one of the cable chips.
std::vector<UsbDevice> CableAdapters(const SystemRoot& root);
// Whether the kernel made a serial port of the adapter (a ttyUSB or ttyACM below its folder).
bool HasSerialPort(const SystemRoot& root, const UsbDevice& adapter);

struct Holder {
    int pid = 0;
    std::string program;  // the process's name, "" when /proc does not say
};

struct Holders {
    std::vector<Holder> processes;
    bool someHidden = false;  // processes of other users could not be looked into
};

// The processes that hold the device open (their open files in /proc) or hold its lock file (/var/lock,
// /run/lock).
Holders FindHolders(const SystemRoot& root, const std::string& device);

// The kernel's log lines that mention one of the words, oldest first, at most `limit` of the latest; nullopt
// when the kernel log may not be read.
std::optional<std::vector<std::string>> KernelLines(const SystemRoot& root,
                                                    const std::vector<std::string>& words,
                                                    std::size_t limit = 8);

}  // namespace lm::doctor
