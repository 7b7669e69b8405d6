#include "port/port_access.h"

#include <QSerialPortInfo>
#include <algorithm>

#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lm {

std::vector<PortEntry> ListPorts() {
    std::vector<PortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortEntry port;
        // Windows names its ports COMn (the numbered port buttons and the key byte rely on that); elsewhere a
        // port is its device path.
#ifdef _WIN32
        port.name = info.portName().toStdString();
#else
        port.name = info.systemLocation().toStdString();
#endif
        port.description = info.description().toStdString();
        port.manufacturer = info.manufacturer().toStdString();
        const QString device = info.portName();
        port.usb = info.hasVendorIdentifier() || device.startsWith("ttyUSB") || device.startsWith("ttyACM") ||
                   device.startsWith("cu.usb");
        ports.push_back(std::move(port));
    }
    OrderPortsForChoice(ports);
    return ports;
}

void EnumeratePorts(std::vector<std::string>& list) {
    for (const PortEntry& port : ListPorts()) list.push_back(port.name);
}

std::string PortDescription(const std::string& name) {
    for (const PortEntry& port : ListPorts())
        if (port.name == name) return PortDescriptionText(port);
    return {};
}

std::string PortDevicePath(const std::string& name) {
#ifdef _WIN32
    return name;
#else
    if (name.empty() || name.front() == '/') return name;
    return "/dev/" + name;
#endif
}

std::string PermissionAdvice(const std::string& device) {
    std::string text = "No permission to open " + device + ".";
#ifndef _WIN32
    struct stat st {};
    if (stat(device.c_str(), &st) == 0) {
        const group* g = getgrgid(st.st_gid);
        const std::string name = g != nullptr ? g->gr_name : std::to_string(st.st_gid);
        text += " The device belongs to the group \"" + name + "\"; join it with\n    sudo usermod -aG " +
                name + " $USER\nthen log out and in again.";
    }
#endif
    return text;
}

std::string RefusalReason(const std::string& device) {
#ifndef _WIN32
    if (access(device.c_str(), R_OK | W_OK) != 0) return PermissionAdvice(device);
#endif
    return "The serial port " + device +
           " is busy: another program is using it (or holds its lock). Close that "
           "program and try again.";
}

}  // namespace lm
